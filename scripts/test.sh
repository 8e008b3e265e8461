#!/usr/bin/env bash
# Sets up the machine, builds VEXA and runs every test:
#   0. the source checks: formatting (.clang-format) and the layers' include rules;
#   1. the main build: unit, widget, CLI and end-to-end tests (ctest), the
#      layering check among them; then the kernel test (ctest label "kernel":
#      Debian's kernel booted once in QEMU, tests/kernel/);
#   2. a sanitizer build (ASan + UBSan) of the core tests (the whole suite under
#      the sanitizers and valgrind: scripts/sanitize-all.sh);
#   3. the libFuzzer harnesses, each for a short run over its corpus;
#   4. a smoke run of the benchmarks.
set -euo pipefail
cd "$(dirname "$0")/.."
ROOT=$PWD
JOBS=$(nproc)
FUZZ_SECONDS=${VEXA_FUZZ_SECONDS:-30}

bash scripts/setup.sh

echo "== source checks"
bash scripts/check-format.sh
bash scripts/check-layers.sh

echo "== main build"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$JOBS"
(cd build && ctest --output-on-failure -j "$JOBS" -LE kernel)

echo "== kernel tests (Debian's kernel booted in QEMU: real hidraw nodes, the i8042 keyboard port)"
(cd build && ctest --output-on-failure -L kernel)

echo "== sanitizer build (ASan + UBSan)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVEXA_SANITIZE=ON -DVEXA_GUI=OFF -DVEXA_BENCH=OFF >/dev/null
cmake --build build-asan -j "$JOBS" --target vexa_core_tests vexa_cli_tests vexa_i18n_tests vexa_translation_tests vexa_platform_tests vexa-cli vexa-serio-helper vexa_ps2_emulator
(cd build-asan && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$JOBS" -E '^script\.package$' -LE kernel)

echo "== fuzzers (${FUZZ_SECONDS}s each)"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DVEXA_FUZZ=ON -DVEXA_GUI=OFF -DVEXA_TESTS=OFF -DVEXA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "$JOBS"
for f in build-fuzz/fuzz/*_fuzz; do
  [ -x "$f" ] || continue
  name=$(basename "$f")
  corpus="$ROOT/fuzz/corpus/$name"
  work=$(mktemp -d)
  [ -d "$corpus" ] && cp -r "$corpus"/. "$work"/ 2>/dev/null || true
  echo "-- $name"
  "$f" -max_total_time="$FUZZ_SECONDS" -print_final_stats=0 "$work" 2>&1 | tail -n 3
  rm -rf "$work"
done

echo "== benchmarks (smoke run)"
if [ -x build/bench/vexa_bench ]; then
  build/bench/vexa_bench --benchmark_min_time="$(cat build/bench/smoke-min-time)" >/dev/null
fi
echo "all test stages passed"
