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
expect ./usr/share/man/man1/vexa-cli.1
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

dpkg-deb -x "$deb" "$work/root"
version=$("$work/root/usr/bin/vexa-cli" --version)
[ "$version" = "vexa-cli 1.1.0.5" ] || { echo "unexpected version line: $version"; exit 1; }
desktop-file-validate "$work/root/usr/share/applications/vexa.desktop" 2>/dev/null || true
echo "package ok"
