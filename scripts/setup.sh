#!/usr/bin/env bash
# Installs every package that building, running and testing VEXA needs, on the
# releases VEXA supports: Debian 12 (bookworm), Debian 13 (trixie), Ubuntu 24.04
# LTS (noble) and Ubuntu 26.04 LTS (resolute). Other Debian-based releases are
# tried with the same names.
#
# Idempotent: packages already installed are skipped; apt-get update runs only
# when something is missing. As a normal user, sudo is used for apt only.
# A package the release does not have is named with the release: a required
# one stops the setup before apt installs anything, an optional one (the
# pinned clang-format) is left out and the check that needs it says so.
set -euo pipefail
cd "$(dirname "$0")/.."

# The release, from /etc/os-release (VEXA_OS_RELEASE points elsewhere for tests).
os_release=${VEXA_OS_RELEASE:-/etc/os-release}
ID=unknown VERSION_ID="" VERSION_CODENAME="" PRETTY_NAME="an unknown release"
# shellcheck disable=SC1090
[ -r "$os_release" ] && . "$os_release"
release="$PRETTY_NAME"
[ -n "$VERSION_CODENAME" ] && [[ "$release" != *"$VERSION_CODENAME"* ]] && release="$release ($VERSION_CODENAME)"

# The clang-format that .clang-format is written for (its first line says which).
pinned_format=$(sed -n 's/^# clang-format major version: *\([0-9][0-9]*\).*/\1/p' .clang-format | head -n 1)

# Names that are the same on every supported release. libclang-rt-dev and clang
# follow the release's default LLVM (the sanitizer and fuzzer runtimes).
# qt6-base-dev brings Qt's print support (QtPrintSupport, libqt6printsupport6);
# qt6-svg-dev brings QtSvg (libqt6svg6) for the legend sheets; qt6-wayland
# makes the editor a native client of a Wayland desktop, weston is the
# compositor of the Wayland start test, at-spi2-core, dbus and python3-pyatspi
# let that test press the dialog's buttons as assistive technology does;
# qt6-tools-dev and qt6-l10n-tools bring Qt Linguist's lupdate and lrelease
# (the translations), qt6-translations-l10n Qt's own texts in those languages.
PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev qt6-wayland
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libhidapi-dev libudev-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-dev
  xvfb xdotool x11-utils imagemagick xauth
  weston dbus at-spi2-core python3-pyatspi
  valgrind dpkg-dev file strace groff-base
  qemu-system-x86 busybox-static x11-apps
)
# Installed where the release has them; the step that uses one says so where not.
OPTIONAL=()
[ -n "$pinned_format" ] && OPTIONAL+=("clang-format-$pinned_format")

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
# A package apt can install: it has a candidate version.
available() {
  local candidate
  candidate=$(apt-cache policy "$1" 2>/dev/null | sed -n 's/^ *Candidate: *//p')
  [ -n "$candidate" ] && [ "$candidate" != "(none)" ]
}

missing=() missing_optional=()
for p in "${PACKAGES[@]}"; do installed "$p" || missing+=("$p"); done
for p in "${OPTIONAL[@]}"; do installed "$p" || missing_optional+=("$p"); done

if [ ${#missing[@]} -eq 0 ] && [ ${#missing_optional[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
"${SUDO[@]}" apt-get update -qq

unavailable=() install=()
for p in "${missing[@]}"; do
  if available "$p"; then install+=("$p"); else unavailable+=("$p"); fi
done
if [ ${#unavailable[@]} -gt 0 ]; then
  for p in "${unavailable[@]}"; do
    echo "setup: $p is not available on $release; VEXA needs it (is the release's main/universe component enabled?)" >&2
  done
  exit 1
fi
for p in "${missing_optional[@]}"; do
  if available "$p"; then
    install+=("$p")
  else
    echo "setup: $p is not available on $release: the format check will be skipped"
  fi
done

[ ${#install[@]} -eq 0 ] && exit 0
echo "setup: installing ${install[*]}"
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${install[@]}"
