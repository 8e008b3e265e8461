#!/usr/bin/env bash
# Sets up the machine, builds VEXA and starts the editor. Arguments go to vexa.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target vexa vexa-cli
if [ -x build/vexa ]; then
  exec build/vexa "$@"
else
  exec build/vexa-cli --help
fi
