#!/usr/bin/env bash
# End-to-end look of the editor at 1024x768 and at 1920x1080 (the window
# filling the screen, as maximised), in a light and a dark palette, editing
# and while writing into 3 and into 16 simulated keyboards:
#   - the layout view zooms to fit (the keyboard frame is found and measured
#     in the screenshot): large at 1920x1080, nothing cut off at 1024x768;
#   - on the dark palette the view's grey is the palette's dark window colour
#     and the blue (defined) and green (modified) key labels stand out from it
#     by a WCAG contrast of 4.5:1 or more;
#   - the progress rows of a write into many keyboards stay above the status
#     bar (they scroll in their list).
# The dark palette is the test aid VEXA_PALETTE=dark with -style Fusion (Qt
# reads no desktop palette under Xvfb). Screenshots: $VEXA_BUILD_DIR/e2e/screen-*.png.
set -euo pipefail

E2E_NAME=e2e_screens
E2E_SHOT_PREFIX=screen-
E2E_TIME_LIMIT=${E2E_TIME_LIMIT:-280}
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"

if [ "${1:-}" != "--screen" ]; then
  [ -n "${VEXA_BIN:-}" ] || { echo "$E2E_NAME: skipped (the editor is not built: VEXA_BIN is empty)"; exit 0; }
  for screen in 1024x768 1920x1080; do bash "$0" --screen "$screen" || exit 1; done
  echo "$E2E_NAME: ok (screenshots in $out)"
  exit 0
fi
E2E_SCREEN=$2
E2E_LOG="$out/$E2E_NAME-$E2E_SCREEN-vexa.log"
e2e_init Xvfb xdotool import convert python3
e2e_start_x
screen_w=${E2E_SCREEN%x*} screen_h=${E2E_SCREEN#*x}

# A PX2400 template with defined (blue) keys on the Q row.
cli template new "$work/blank.bin"
cli template export "$work/blank.bin" "$work/shop.txt" --model PX2400
python3 - "$work/shop.txt" <<'PY'
import sys
path = sys.argv[1]
lines = open(path, 'rb').read().split(b'\r\n')
for pos, content in ((16, b'Tea'), (17, b'Coffee'), (18, b'Milk[CR]'), (19, b'[F1]'), (20, b'Sugar')):
    label = lines[pos].split(b',')[0]
    lines[pos] = label + b',' + content
open(path, 'wb').write(b'\r\n'.join(lines))
PY
cli template import "$work/shop.txt" "$work/shop.bin" --model PX2400 --base "$work/blank.bin"

zoom_of() {  # SHOT: "OX OY SCALE" of the zoomed view
  python3 "$E2E_LIB_DIR/ppm.py" zoom "$work/$1.ppm" || fail "no keyboard frame found in $1.png"
}
at() { python3 -c "import sys; print(round($1 + $2 * $3))"; }  # ORIGIN LOGICAL SCALE
contrast() { python3 "$E2E_LIB_DIR/ppm.py" contrast "$work/$1.ppm" "$2" "$3" "$4" "$5" $6; }
screen_pixel() { python3 "$E2E_LIB_DIR/ppm.py" pixel "$work/$1.ppm" 0 0 "$2" "$3"; }
bluish_at() { python3 "$E2E_LIB_DIR/ppm.py" blue "$work/$1.ppm" 0 0 "$2" "$3" "$4" "$5"; }

one_case() {  # PALETTE KEYBOARDS
  local palette=$1 count=$2 name="$E2E_SCREEN-$1-$2" n args=()
  local kbs="$work/kbs-$count"
  mkdir -p "$kbs"
  for n in $(seq "$count"); do [ -f "$kbs/kb$n.bin" ] || cli template new "$kbs/kb$n.bin"; done
  if [ "$palette" = dark ]; then export VEXA_PALETTE=dark; args=(-style Fusion); else unset VEXA_PALETTE; fi
  keyboard="$kbs" E2E_ZOOMED=1 E2E_WIDTH=$screen_w E2E_HEIGHT=$screen_h e2e_start_editor 1 "${args[@]}" "$work/shop.bin"
  e2e_focus_editor
  keys Down  # from the grave accent key to Tab's row ... then up again: position 0
  keys Up
  xdotool type --delay 60 "Cash"  # position 0 edited: green
  sleep 0.5
  shot "$name-editor"
  local ox oy scale
  read -r ox oy scale < <(zoom_of "$name-editor")
  python3 -c "import sys; s=$scale; sys.exit(0 if s >= 1.25 else 1)" || fail "$name: the view is not zoomed ($scale)"
  [ "$(at "$ox" 730 "$scale")" -lt "$screen_w" ] || fail "$name: the keyboard's right edge is off the screen"
  [ "$(at "$oy" 350 "$scale")" -lt "$((screen_h - 20))" ] || fail "$name: the content box is off the screen"
  if [ "$E2E_SCREEN" = 1920x1080 ]; then
    python3 -c "import sys; sys.exit(0 if $scale >= 2.2 else 1)" || fail "$name: a small keyboard at 1920x1080 ($scale)"
  fi
  if [ "$palette" = dark ]; then
    local bg
    bg="$(screen_pixel "$name-editor" "$(at "$ox" 400 "$scale")" "$(at "$oy" 385 "$scale")")"
    # shellcheck disable=SC2086
    python3 -c "import sys; r,g,b=map(int,'$bg'.split()); sys.exit(0 if r+g+b < 200 else 1)" ||
      fail "$name: the view's background is not dark ($bg)"
    local label w h
    w="$(at 0 20 "$scale")" h="$(at 0 14 "$scale")"
    for label in 102:170:Q 0:0:Cash; do
      local lx=${label%%:*} rest=${label#*:} ly
      ly=${rest%%:*}
      if [ "$lx" = 0 ]; then lx=55 ly=140; fi
      local c
      c="$(contrast "$name-editor" "$(at "$ox" $((lx + 3)) "$scale")" "$(at "$oy" $((ly + 2)) "$scale")" "$w" "$h" "$bg")"
      [ "$c" -ge 450 ] || fail "$name: the label at ($lx,$ly) contrasts only $((c / 100)).$((c % 100)):1 with the view"
    done
  fi
  # Write Into KB, into every keyboard: the progress rows (real waits, 16 s).
  menu c w
  e2e_dialog "Select Connected Keyboard"
  keys End Return
  sleep 4
  shot "$name-writing"
  [ "$(bluish_at "$name-writing" 0 0 "$screen_w" "$((screen_h - 24))")" -gt 100 ] || fail "$name: no progress bars"
  [ "$(bluish_at "$name-writing" 0 "$((screen_h - 22))" "$screen_w" 22)" -eq 0 ] ||
    fail "$name: progress bars under the status bar"
  e2e_stop_editor
  unset VEXA_PALETTE
}

for palette in light dark; do
  for count in 3 16; do one_case "$palette" "$count"; done
done
echo "$E2E_NAME $E2E_SCREEN: ok"
