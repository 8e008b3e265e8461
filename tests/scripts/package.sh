#!/usr/bin/env bash
# Builds the Debian package with CPack and checks what it holds: the programs,
# the desktop entry, icon, man page and udev rule, sensible dependencies, and
# that vexa-cli runs from the unpacked tree.
set -euo pipefail
: "${VEXA_BUILD_DIR:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$VEXA_BUILD_DIR" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/out/vexa_*_amd64.deb)
echo "package: $(basename "$deb")"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
expect() {
  if ! grep -qx "$1" <<<"$contents"; then echo "missing in package: $1"; exit 1; fi
}
expect ./usr/bin/vexa-cli
expect ./usr/share/applications/vexa.desktop
expect ./usr/share/icons/hicolor/scalable/apps/vexa.svg
expect ./usr/share/man/man1/vexa-cli.1.gz
if [ -n "${VEXA_BIN:-}" ]; then expect ./usr/bin/vexa; fi
if [ -f "$VEXA_SOURCE_DIR/data/udev/70-vexa-keyboard.rules" ]; then
  expect ./usr/lib/udev/rules.d/70-vexa-keyboard.rules
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
libs="libqt6core6 udev"
if compgen -G "$VEXA_SOURCE_DIR/src/device/linux/*.cpp" >/dev/null; then libs="$libs libhidapi-hidraw0"; fi
for lib in $libs; do
  grep -q "$lib" <<<"$depends" || { echo "dependency missing: $lib"; exit 1; }
done
if [ -n "${VEXA_BIN:-}" ]; then
  grep -q libqt6widgets6 <<<"$depends" || { echo "dependency missing: libqt6widgets6"; exit 1; }
fi

# The udev rules are reloaded when the package is configured.
dpkg-deb --ctrl-tarfile "$deb" | tar -x -C "$work" ./postinst
grep -q 'udevadm control --reload' "$work/postinst" || { echo "postinst does not reload the udev rules"; exit 1; }

dpkg-deb -x "$deb" "$work/root"
version=$("$work/root/usr/bin/vexa-cli" --version)
[ "$version" = "vexa-cli 1.1.0.5" ] || { echo "unexpected version line: $version"; exit 1; }
if [ -n "${VEXA_BIN:-}" ]; then
  # Answers without a display, as from a shell or a package check.
  version=$(env -u DISPLAY -u WAYLAND_DISPLAY "$work/root/usr/bin/vexa" --version) ||
    { echo "vexa --version failed without a display"; exit 1; }
  [ "$version" = "VEXA 1.1.0.5" ] || { echo "unexpected vexa version line: $version"; exit 1; }
fi

desktop="$work/root/usr/share/applications/vexa.desktop"
for line in 'Type=Application' 'Exec=vexa %f' 'Icon=vexa' 'Terminal=false'; do
  grep -qx "$line" "$desktop" || { echo "desktop entry lacks: $line"; exit 1; }
done
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop" || { echo "desktop entry is not valid"; exit 1; }
fi
if command -v man >/dev/null; then
  page=$(MANWIDTH=80 man -l "$work/root/usr/share/man/man1/vexa-cli.1.gz" 2>"$work/man.err")
  grep -q '^NAME' <<<"$page" && grep -q 'keyboard write' <<<"$page" ||
    { echo "the man page does not render:"; cat "$work/man.err"; exit 1; }
  if grep -qi 'warning' "$work/man.err"; then cat "$work/man.err"; exit 1; fi
fi
echo "package ok"
