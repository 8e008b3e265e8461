#!/usr/bin/env bash
# Checks the include rules of the layers (see src/CMakeLists.txt and README
# "Architecture") on the tree under ROOT (default: this checkout):
#   - a file includes only headers of its own layer and of the layers below;
#   - no Qt header in the Qt-free layers (base .. commands, emulator,
#     device/linux, helper);
#   - nothing in src/ includes a test double from tests/;
#   - every .cpp under src/ is listed in src/CMakeLists.txt, so no source is
#     silently left out of the build.
# Prints one line per violation and exits 1 when there is any.
#
#   bash scripts/check-layers.sh [ROOT]
set -uo pipefail
root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root/src" || { echo "check-layers: no src/ under $root"; exit 2; }

# The layer of a file or of an included header, by its folder.
layer_of() {
  case "$1" in
    base/*) echo base ;;
    models/ui/* | document/ui/* | view/ui/* | device/ui/* | app/*) echo gui ;;
    models/*) echo models ;;
    document/qt/*) echo qtsettings ;;
    document/*) echo document ;;
    view/qt/*) echo legend ;;
    view/*) echo view ;;
    device/linux/*) echo platform ;;
    device/*) echo device ;;
    emulator/*) echo emulator ;;
    commands/*) echo commands ;;
    i18n/*) echo i18n ;;
    cli/*) echo cli ;;
    helper/*) echo helper ;;
    support/*) echo tests ;;
    *) echo unknown ;;
  esac
}

# What each layer may include (its own layer included).
allowed() {
  case "$1" in
    base) echo "base" ;;
    models) echo "base models" ;;
    document) echo "base models document" ;;
    view) echo "base models document view" ;;
    device) echo "base models document device" ;;
    emulator) echo "base models document device emulator" ;;
    platform) echo "base models document device emulator platform" ;;
    commands) echo "base models document view device commands" ;;
    qtsettings) echo "base models document qtsettings" ;;
    legend) echo "base models document view legend" ;;
    i18n) echo "base i18n" ;;
    gui) echo "base models document view device emulator platform commands qtsettings legend i18n gui" ;;
    cli) echo "base models document view device emulator platform commands qtsettings legend i18n cli" ;;
    helper) echo "base platform helper" ;;
  esac
}

qt_free() {
  case "$1" in
    base | models | document | view | device | emulator | platform | commands | helper) return 0 ;;
    *) return 1 ;;
  esac
}

violations=0
report() {
  echo "$1"
  violations=$((violations + 1))
}

while IFS= read -r file; do
  from=$(layer_of "$file")
  if [ "$from" = unknown ]; then
    report "$file: not in any layer (add its folder to scripts/check-layers.sh)"
    continue
  fi
  ok=" $(allowed "$from") "
  while IFS=: read -r line text; do
    header=$(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' <<<"$text")
    [ -n "$header" ] || continue
    to=$(layer_of "$header")
    [ "$to" = unknown ] && continue  # standard and generated headers
    case "$ok" in
      *" $to "*) ;;
      *) report "src/$file:$line: the $from layer includes \"$header\" of the $to layer" ;;
    esac
  done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file")
  if qt_free "$from"; then
    while IFS= read -r hit; do
      report "src/$file:${hit%%:*}: Qt header in the Qt-free $from layer: ${hit#*:}"
    done < <(grep -n -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$file")
  fi
done < <(find . -name '*.h' -o -name '*.cpp' -o -name '*.h.in' | sed 's#^\./##' | sort)

while IFS= read -r cpp; do
  grep -q -E "(^|[[:space:]])${cpp//./\\.}([[:space:]]|\)|$)" CMakeLists.txt ||
    report "src/$cpp: not listed in src/CMakeLists.txt"
done < <(find . -name '*.cpp' | sed 's#^\./##' | sort)

[ "$violations" -eq 0 ] || {
  echo "check-layers: $violations violation(s)"
  exit 1
}
echo "check-layers: every include follows the layers"
