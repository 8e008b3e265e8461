#!/usr/bin/env bash
# Runs the vexa-cli scripts (every command group on realistic inputs: content,
# layout, template, keyboard against the simulated keyboard) with each vexa-cli
# run under valgrind's memcheck. Any invalid read or write, use of an
# uninitialised value, or leak fails the test, as does a changed exit status
# or output, which the scripts themselves check.
#
#   bash scripts/valgrind-cli.sh [PATH/TO/vexa-cli]     (default: build/vexa-cli)
#
# The binary must come from a build without sanitizers. Takes a few minutes:
# every run loads Qt Core under memcheck.
set -uo pipefail
VEXA_SOURCE_DIR=$(cd "$(dirname "$0")/.." && pwd)
VEXA_CLI=$(realpath "${1:-$VEXA_SOURCE_DIR/build/vexa-cli}")
[ -x "$VEXA_CLI" ] || {
  echo "FAIL: no vexa-cli at $VEXA_CLI"
  exit 1
}
if grep -qa __asan_init "$VEXA_CLI"; then
  echo "FAIL: $VEXA_CLI is a sanitizer build, which cannot run under valgrind"
  exit 1
fi
if ! command -v valgrind >/dev/null; then
  echo "FAIL: valgrind is not installed (scripts/setup.sh installs it)"
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/logs"

# The wrapper keeps vexa-cli's exit status and output; memcheck's findings go
# to one log per process.
cat >"$work/vexa-cli" <<EOF
#!/bin/sh
exec valgrind --quiet --tool=memcheck --leak-check=full --show-leak-kinds=definite,indirect,possible \\
  --errors-for-leak-kinds=definite,indirect,possible --track-origins=yes \\
  --log-file="$work/logs/vg.%p.log" "$VEXA_CLI" "\$@"
EOF
chmod +x "$work/vexa-cli"

failures=0
for script in cli_arguments cli_content cli_layout cli_template cli_keyboard; do
  if ! VEXA_CLI="$work/vexa-cli" bash "$VEXA_SOURCE_DIR/tests/scripts/$script.sh" >"$work/$script.out" 2>&1; then
    echo "FAIL: $script under valgrind:"
    cat "$work/$script.out"
    failures=$((failures + 1))
  fi
done

runs=$(find "$work/logs" -name 'vg.*.log' | wc -l)
for log in "$work"/logs/vg.*.log; do
  [ -s "$log" ] || continue
  echo "FAIL: memcheck report ($(basename "$log")):"
  cat "$log"
  failures=$((failures + 1))
done
[ "$runs" -ge 50 ] || {
  echo "FAIL: only $runs vexa-cli runs were checked"
  failures=$((failures + 1))
}
[ "$failures" -eq 0 ] || exit 1
echo "valgrind-cli: $runs vexa-cli runs, no memcheck reports"
