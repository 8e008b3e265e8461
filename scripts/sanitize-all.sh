#!/usr/bin/env bash
# The full memory check, longer than the test command's sanitizer stage:
#   1. every test (unit, widget tests offscreen, CLI and end-to-end scripts
#      under Xvfb) built with AddressSanitizer and UndefinedBehaviorSanitizer,
#      the editor included, in build-asan-all/;
#   2. every vexa-cli command group under valgrind's memcheck
#      (scripts/valgrind-cli.sh), with the vexa-cli of the main build in build/.
# Takes about 20 minutes on a 2-core machine.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc)

bash scripts/setup.sh

echo "== ASan + UBSan build, editor and widget tests included"
cmake -S . -B build-asan-all -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXA_SANITIZE=ON -DVEXA_BENCH=OFF >/dev/null
cmake --build build-asan-all -j "$JOBS"
(cd build-asan-all && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$JOBS" -LE kernel)

echo "== vexa-cli under valgrind memcheck"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$JOBS" --target vexa-cli
bash scripts/valgrind-cli.sh "$ROOT/build/vexa-cli"
echo "all sanitizer checks passed"
