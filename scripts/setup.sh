#!/usr/bin/env bash
# Installs every Debian 12 package that building, running and testing VEXA needs.
# Idempotent: packages already installed are skipped; apt-get update runs only
# when something is missing. As a normal user, sudo is used for apt only.
set -euo pipefail

# qt6-base-dev brings Qt's print support (QtPrintSupport, libqt6printsupport6);
# qt6-svg-dev brings QtSvg (libqt6svg6) for the legend sheets.
PACKAGES=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev
  libhidapi-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xdotool x11-utils imagemagick xauth
  valgrind dpkg-dev file strace groff-base
  qemu-system-x86 busybox-static x11-apps
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "setup: all packages present"
  exit 0
fi

SUDO=()
if [ "$(id -u)" -ne 0 ]; then SUDO=(sudo); fi
echo "setup: installing ${missing[*]}"
"${SUDO[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${SUDO[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
