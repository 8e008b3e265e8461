#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it holds: the programs,
# the desktop entry, icon, man pages, copyright, changelog, udev rule, and the
# PS/2 port's privileged helper with its polkit action,
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
if [ -n "${VEXA_BIN:-}" ]; then
  # Answers without a display, as from a shell or a package check.
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vexa" --version) ||
    { echo "vexa --version failed without a display"; exit 1; }
  [ "$version" = "VEXA $project_version" ] || { echo "unexpected vexa version line: $version"; exit 1; }
fi

# The polkit action runs exactly the installed helper, asks an administrator
# (kept for a few minutes for the user at the seat), and is well-formed.
action="$work/root/${policy#./}"
grep -qF '<annotate key="org.freedesktop.policykit.exec.path">/usr/libexec/vexa/vexa-serio-helper</annotate>' "$action" ||
  { echo "the polkit action does not run $helper"; exit 1; }
grep -qF '<allow_active>auth_admin_keep</allow_active>' "$action" && grep -qF '<allow_any>auth_admin</allow_any>' "$action" ||
  { echo "the polkit action does not ask for an administrator"; exit 1; }
if command -v xmllint >/dev/null; then xmllint --noout "$action" || { echo "the polkit action is not well-formed"; exit 1; }; fi
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
