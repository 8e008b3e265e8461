#!/usr/bin/env bash
# Checks that every C++ file of the project follows .clang-format; lists the
# files that differ and exits 1. With --fix, formats them in place instead.
#
#   bash scripts/check-format.sh [--fix]
set -uo pipefail
cd "$(dirname "$0")/.."
command -v clang-format >/dev/null || { echo "check-format: clang-format is not installed (scripts/setup.sh installs it)"; exit 2; }
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.h.in' | grep -v -E '^build')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
differ=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "check-format: these files differ from .clang-format (bash scripts/check-format.sh --fix formats them):"
  printf '  %s\n' "${differ[@]}"
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format"
