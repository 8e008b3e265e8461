#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it holds: the programs,
# the desktop entry, icon, man pages, copyright, changelog, udev rule, and the
# PS/2 port's privileged helper with its two polkit actions, the hardening of
# the packaged programs,
# sensible dependencies, and that the programs run from the unpacked tree with
# the project's version.
set -euo pipefail
: "${VEXA_BUILD_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The one version: the project's, as CMake recorded it for this build.
project_version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$VEXA_BUILD_DIR/CMakeCache.txt")
[ -n "$project_version" ] || { echo "no CMAKE_PROJECT_VERSION in $VEXA_BUILD_DIR/CMakeCache.txt"; exit 1; }
echo "project version: $project_version"

(cd "$VEXA_BUILD_DIR" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/vexa_"$project_version"_amd64.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expect() {
  if ! grep -qx "$1" <<<"$contents"; then echo "missing in package: $1"; exit 1; fi
}
expect ./usr/bin/vexa-cli
expect ./usr/share/applications/vexa.desktop
expect ./usr/share/icons/hicolor/scalable/apps/vexa.svg
expect ./usr/share/man/man1/vexa-cli.1.gz
expect ./usr/share/doc/vexa/copyright
expect ./usr/share/doc/vexa/changelog.gz
for language in de fr es; do expect ./usr/share/vexa/translations/vexa_$language.qm; done
if [ -n "${VEXA_BIN:-}" ]; then
  expect ./usr/bin/vexa
  expect ./usr/share/man/man1/vexa.1.gz
fi
if [ -f "$VEXA_SOURCE_DIR/data/udev/70-vexa-keyboard.rules" ]; then
  expect ./usr/lib/udev/rules.d/70-vexa-keyboard.rules
fi
helper=./usr/libexec/vexa/vexa-serio-helper
policy=./usr/share/polkit-1/actions/org.vexaeditor.vexa.serio.policy
expect "$helper"
expect "$policy"
# The helper gets its rights from pkexec only: an ordinary program, never setuid.
helper_mode=$(dpkg-deb -c "$deb" | awk -v f="$helper" '$6 == f { print $1 }')
[ "$helper_mode" = "-rwxr-xr-x" ] || { echo "the helper's mode is $helper_mode"; exit 1; }

[ "$(dpkg-deb -f "$deb" Version)" = "$project_version" ] || { echo "package version: $(dpkg-deb -f "$deb" Version)"; exit 1; }

recommends=$(dpkg-deb -f "$deb" Recommends | tr -d ' ' | tr ',' '\n')
for p in pkexec qt6-wayland; do
  grep -qx "$p" <<<"$recommends" || { echo "the package does not recommend $p"; exit 1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
# vexa-cli draws legend sheets: QtGui and QtSvg.
libs="libqt6core6 libqt6gui6 libqt6svg6 udev"
if compgen -G "$VEXA_SOURCE_DIR/src/device/linux/*.cpp" >/dev/null; then libs="$libs libhidapi-hidraw0"; fi
for lib in $libs; do
  grep -q "$lib" <<<"$depends" || { echo "dependency missing: $lib"; exit 1; }
done
if [ -n "${VEXA_BIN:-}" ]; then
  for lib in libqt6widgets6 libqt6printsupport6; do
    grep -q "$lib" <<<"$depends" || { echo "dependency missing: $lib"; exit 1; }
  done
fi

# The udev rules are reloaded when the package is configured.
dpkg-deb --ctrl-tarfile "$deb" | tar -x -C "$work" ./postinst
grep -q 'udevadm control --reload' "$work/postinst" || { echo "postinst does not reload the udev rules"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
version=$("$work/root/usr/bin/vexa-cli" --version)
[ "$version" = "vexa-cli $project_version" ] || { echo "unexpected version line: $version"; exit 1; }
# The installed program finds its translations beside it (share/vexa/translations).
LANG=de_DE.UTF-8 "$work/root/usr/bin/vexa-cli" --help >"$work/help.de"
LANG=C "$work/root/usr/bin/vexa-cli" --help >"$work/help.en"
cmp -s "$work/help.de" "$work/help.en" && { echo "the installed vexa-cli finds no German translation"; exit 1; }
if [ -n "${VEXA_BIN:-}" ]; then
  # Answers without a display, as from a shell or a package check.
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vexa" --version) ||
    { echo "vexa --version failed without a display"; exit 1; }
  [ "$version" = "VEXA $project_version" ] || { echo "unexpected vexa version line: $version"; exit 1; }
fi

# Two polkit actions, each running exactly the installed helper with its one
# verb: bind asks the user at the seat for an administrator (kept for a few
# minutes) and no one else; restore, which can harm no one, asks no one. The
# file is well-formed.
action="$work/root/${policy#./}"
if command -v xmllint >/dev/null; then xmllint --noout "$action" || { echo "the polkit action is not well-formed"; exit 1; }; fi
# action_part ID: the <action> element of that id, on one line.
action_part() { tr -d '\n' <"$action" | grep -o "<action id=\"$1\">.*" | sed 's#</action>.*##'; }
[ "$(grep -c '<action id=' "$action")" -eq 2 ] || { echo "the policy does not hold exactly two actions"; exit 1; }
for verb in bind restore; do
  part=$(action_part "org.vexaeditor.vexa.serio.$verb")
  [ -n "$part" ] || { echo "no polkit action for $verb"; exit 1; }
  grep -qF '<annotate key="org.freedesktop.policykit.exec.path">/usr/libexec/vexa/vexa-serio-helper</annotate>' <<<"$part" ||
    { echo "the $verb action does not run $helper"; exit 1; }
  grep -qF "<annotate key=\"org.freedesktop.policykit.exec.argv1\">$verb</annotate>" <<<"$part" ||
    { echo "the $verb action is not tied to its verb"; exit 1; }
done
defaults() { action_part "org.vexaeditor.vexa.serio.$1" | grep -o '<defaults>.*</defaults>' | sed 's/[[:space:]]//g'; }
[ "$(defaults bind)" = '<defaults><allow_any>no</allow_any><allow_inactive>no</allow_inactive><allow_active>auth_admin_keep</allow_active></defaults>' ] ||
  { echo "bind's defaults: $(defaults bind)"; exit 1; }
[ "$(defaults restore)" = '<defaults><allow_any>yes</allow_any><allow_inactive>yes</allow_inactive><allow_active>yes</allow_active></defaults>' ] ||
  { echo "restore's defaults: $(defaults restore)"; exit 1; }
# The programs run the helper from where the package puts it.
for program in ./usr/bin/vexa-cli ${VEXA_BIN:+./usr/bin/vexa}; do
  grep -qaF "/usr/libexec/vexa/vexa-serio-helper" "$work/root/${program#./}" ||
    { echo "$program does not run the helper from /usr/libexec/vexa"; exit 1; }
done

# Every packaged program is built as Debian hardens its packages: PIE, read-only
# relocations bound at start, stack protector, fortified libc calls, and
# control-flow protection (stack clash protection leaves no mark to check).
for program in ./usr/bin/vexa-cli "$helper" ${VEXA_BIN:+./usr/bin/vexa}; do
  file="$work/root/${program#./}"
  readelf -h "$file" | grep -q 'Type:[[:space:]]*DYN' || { echo "$program is not position-independent"; exit 1; }
  readelf -lW "$file" | grep -q 'GNU_RELRO' || { echo "$program has no read-only relocations"; exit 1; }
  readelf -dW "$file" | grep -Eq 'BIND_NOW|FLAGS.*[[:space:]]NOW' || { echo "$program does not bind at start"; exit 1; }
  symbols=$(readelf --dyn-syms -W "$file")
  grep -q '__stack_chk_fail' <<<"$symbols" || { echo "$program has no stack protector"; exit 1; }
  grep -Eq '__[a-z_]+_chk(@|[[:space:]]|$)' <<<"$(grep -v __stack_chk_fail <<<"$symbols")" ||
    { echo "$program calls no fortified libc function"; exit 1; }
  # Control-flow protection marks every function an indirect branch may
  # reach with endbr64; the program's own note is lost where the C library's
  # start files lack it (Debian 12), the instructions are not. Without the
  # flag only the start files' few are there.
  if [ "$(uname -m)" = x86_64 ] && command -v objdump >/dev/null; then
    marks=$(objdump -d "$file" | grep -c endbr64 || true)
    [ "$marks" -gt 20 ] || { echo "$program lacks control-flow protection ($marks endbr64)"; exit 1; }
  fi
done

# Beside the uaccess rule, not in force, the rule that gives the keyboard to a
# group instead (README, "Security").
group_rule=./usr/share/doc/vexa/examples/70-vexa-keyboard-group.rules
expect "$group_rule"
grep -q '^KERNEL=="hidraw\*".*GROUP="vexa", MODE="0660"$' "$work/root/${group_rule#./}" &&
  ! grep -q '^[^#].*uaccess' "$work/root/${group_rule#./}" || { echo "the group rule does not give the keyboard to the group only"; exit 1; }
# The udev rule opens the serio_raw device of the i8042 keyboard port, and only it.
grep -q '^KERNEL=="serio_raw\*", SUBSYSTEM=="misc", SUBSYSTEMS=="serio", ATTRS{description}=="i8042 KBD port", TAG+="uaccess"$' \
  "$work/root/usr/lib/udev/rules.d/70-vexa-keyboard.rules" || { echo "the udev rule lacks the serio_raw line"; exit 1; }
# The packaged helper refuses what it does not know without touching anything.
status=0
"$work/root/${helper#./}" --help >/dev/null 2>"$work/helper.err" || status=$?
[ "$status" -eq 2 ] && grep -q '^usage: vexa-serio-helper bind|restore' "$work/helper.err" ||
  { echo "the packaged helper answered --help with status $status: $(cat "$work/helper.err")"; exit 1; }

desktop="$work/root/usr/share/applications/vexa.desktop"
for line in 'Type=Application' 'Exec=vexa %f' 'Icon=vexa' 'Terminal=false'; do
  grep -qx "$line" "$desktop" || { echo "desktop entry lacks: $line"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || { echo "desktop entry is not valid"; exit 1; }
fi
# Both man pages render without a single groff warning (-ww: all of them).
pages=vexa-cli
if [ -n "${VEXA_BIN:-}" ]; then pages="$pages vexa"; fi
for name in $pages; do
  file="$work/root/usr/share/man/man1/$name.1.gz"
  gzip -t "$file" || { echo "$name.1.gz is not gzip data"; exit 1; }
  page=$(zcat "$file" | groff -man -Tutf8 -ww -P-cbou 2>"$work/man.err")
  if [ -s "$work/man.err" ]; then echo "the $name man page renders with warnings:"; cat "$work/man.err"; exit 1; fi
  grep -q '^NAME' <<<"$page" && grep -q "^VEXA $project_version" <<<"$page" ||
    { echo "the $name man page lacks its NAME section or the version $project_version"; exit 1; }
done
if [ -n "${VEXA_BIN:-}" ]; then
  page=$(zcat "$work/root/usr/share/man/man1/vexa.1.gz" | groff -man -Tutf8 -P-cbou 2>/dev/null)
  for text in '--simulate-keyboard FILE' 'VEXA.conf' '70-vexa-keyboard.rules' 'EXIT STATUS' 'vexa-cli(1)'; do
    grep -qF -- "$text" <<<"$page" || { echo "the vexa man page lacks: $text"; exit 1; }
  done
fi
grep -q 'keyboard write' <<<"$(zcat "$work/root/usr/share/man/man1/vexa-cli.1.gz" | groff -man -Tutf8 -P-cbou)" ||
  { echo "the vexa-cli man page lacks 'keyboard write'"; exit 1; }

# The copyright file in the machine-readable format: header, then a Files
# paragraph with its copyright and licence.
copyright="$work/root/usr/share/doc/vexa/copyright"
for field in '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/$' '^Upstream-Name: VEXA$' \
  '^Files: \*$' '^Copyright: [0-9]' '^License: [^ ]'; do
  grep -q "$field" "$copyright" || { echo "copyright lacks a line matching $field"; exit 1; }
done

# The native changelog parses and names this version.
zcat "$work/root/usr/share/doc/vexa/changelog.gz" >"$work/changelog" || { echo "changelog.gz is not gzip data"; exit 1; }
if command -v dpkg-parsechangelog >/dev/null; then
  parsed=$(dpkg-parsechangelog -l "$work/changelog" 2>"$work/changelog.err") &&
    [ ! -s "$work/changelog.err" ] || { echo "the changelog does not parse cleanly:"; cat "$work/changelog.err"; exit 1; }
  grep -qx "Source: vexa" <<<"$parsed" && grep -qx "Version: $project_version" <<<"$parsed" ||
    { echo "the changelog is not for vexa $project_version:"; echo "$parsed"; exit 1; }
else
  head -1 "$work/changelog" | grep -qF "vexa ($project_version) " || { echo "changelog heading: $(head -1 "$work/changelog")"; exit 1; }
fi
echo "package ok"
