#!/usr/bin/env bash
# Checks that every C++ file of the project follows .clang-format; lists the
# files that differ and exits 1. With --fix, formats them in place instead
# (scripts/format.sh).
#
#   bash scripts/check-format.sh [--fix]
#
# clang-format's output changes between major versions, so the check runs the
# version .clang-format is written for (its first line names it). Where only
# another version is installed, the check says so and is skipped: formatting is
# not a property of the program. --fix refuses another version outright, so a
# tree is never reformatted to a style the check would then reject.
set -uo pipefail
cd "$(dirname "$0")/.."
pinned=$(sed -n 's/^# clang-format major version: *\([0-9][0-9]*\).*/\1/p' .clang-format | head -n 1)
[ -n "$pinned" ] || { echo "check-format: .clang-format does not name its clang-format major version"; exit 2; }

# The major version of a clang-format binary ("Debian clang-format version 14.0.6").
major_of() { "$1" --version 2>/dev/null | sed -n 's/.*clang-format version \([0-9][0-9]*\)\..*/\1/p'; }
formatter=""
for candidate in "clang-format-$pinned" clang-format; do
  if command -v "$candidate" >/dev/null && [ "$(major_of "$candidate")" = "$pinned" ]; then
    formatter=$candidate
    break
  fi
done
if [ -z "$formatter" ]; then
  other=$(command -v clang-format >/dev/null && major_of clang-format)
  found=${other:+clang-format $other is installed}
  found=${found:-no clang-format is installed}
  if [ "${1:-}" = "--fix" ]; then
    echo "check-format: .clang-format is written for clang-format $pinned and $found; nothing was formatted"
    exit 2
  fi
  echo "check-format: skipped: .clang-format is written for clang-format $pinned and $found" \
    "(scripts/setup.sh installs clang-format-$pinned where the release has it)"
  exit 0
fi

mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h' '*.h.in' | grep -v -E '^build')
if [ "${1:-}" = "--fix" ]; then
  existing=()
  for f in "${files[@]}"; do [ -f "$f" ] && existing+=("$f"); done
  "$formatter" -i "${existing[@]}"
  echo "check-format: formatted ${#existing[@]} files with $formatter"
  exit 0
fi
differ=()
for f in "${files[@]}"; do
  [ -f "$f" ] || continue
  "$formatter" --dry-run -Werror "$f" >/dev/null 2>&1 || differ+=("$f")
done
if [ ${#differ[@]} -gt 0 ]; then
  echo "check-format: these files differ from .clang-format (bash scripts/format.sh formats them):"
  printf '  %s\n' "${differ[@]}"
  exit 1
fi
echo "check-format: ${#files[@]} files follow .clang-format ($formatter)"
