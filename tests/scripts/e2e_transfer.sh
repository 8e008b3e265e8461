#!/usr/bin/env bash
# End-to-end keyboard transfers with the real editor under Xvfb and the
# simulated keyboard:
#   1. USB, real waits: type into a key, Write Into KB, a screenshot DURING the
#      write must show the progress display; the keyboard file then holds the
#      template (checked with vexa-cli).
#   2. PS/2, no waits: edit the key again, Read From KB brings the keyboard's
#      content back, and a second write proves what the document held.
# Screenshots are kept in $VEXA_BUILD_DIR/e2e/.
set -euo pipefail

if [ -z "${VEXA_BIN:-}" ]; then
  echo "e2e_transfer: skipped (the editor is not built: VEXA_BIN is empty)"
  exit 0
fi
: "${VEXA_CLI:?}"
for tool in Xvfb xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "e2e_transfer: $tool is missing" >&2; exit 1; }
done

out="${VEXA_BUILD_DIR:-/tmp}/e2e"
mkdir -p "$out"
work="$(mktemp -d)"
xvfb_pid="" vexa_pid=""
cleanup() {
  if [ -n "$vexa_pid" ]; then kill "$vexa_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "e2e_transfer: $*" >&2; exit 1; }

display=120
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
keyboard="$work/keyboard.bin"

# Screenshots as PPM for the pixel checks.
shot() { import -window root "$out/transfer-$1.png"; convert "$out/transfer-$1.png" "$work/$1.ppm"; }

# Python over a PPM screenshot: locate the layout view by its keyboard frame
# (white corner at (29,19), black at (30,20), grey fill inside), or measure a
# rectangle given in view coordinates.
ppm() {
  python3 - "$@" <<'PY'
import sys
cmd, path = sys.argv[1], sys.argv[2]
data = open(path, 'rb').read()
fields, pos = [], 0
while len(fields) < 4:
    while data[pos:pos + 1].isspace(): pos += 1
    end = pos
    while not data[end:end + 1].isspace(): end += 1
    fields.append(data[pos:end]); pos = end
pos += 1
w, h = int(fields[1]), int(fields[2])
px = lambda x, y: tuple(data[pos + 3 * (y * w + x): pos + 3 * (y * w + x) + 3])
if cmd == 'locate':
    for y in range(0, 400):
        for x in range(0, 300):
            if px(x, y) == (255, 255, 255) and px(x + 1, y + 1) == (0, 0, 0) and px(x + 2, y + 2) == (220, 220, 220) \
                    and px(x + 700, y) == (255, 255, 255) and px(x + 701, y + 1) == (0, 0, 0):
                print(x - 29, y - 19); sys.exit(0)
    sys.exit(1)
ox, oy, x, y, rw, rh = map(int, sys.argv[3:9])
pixels = [px(ox + i, oy + j) for j in range(y, y + rh) for i in range(x, x + rw)]
if cmd == 'ink':      # dark pixels: text drawn there
    print(sum(1 for p in pixels if sum(p) < 200))
elif cmd == 'blue':   # pixels of the progress bar's filled part (a blue highlight)
    print(sum(1 for p in pixels if p[2] > p[0] + 60))
PY
}

# Starts the editor on the simulated keyboard and answers the port dialog
# (number of Down presses: 0 = PS/2, 1 = USB).
start_editor() {
  local downs=$1
  (cd "$work" && exec "$VEXA_BIN" --simulate-keyboard "$keyboard") >>"$out/transfer-vexa.log" 2>&1 &
  vexa_pid=$!
  local dialog
  dialog="$(xdotool search --sync --onlyvisible --name '^Select Communication Port$' | head -n1)"
  xdotool windowfocus --sync "$dialog"
  for _ in $(seq "$downs"); do xdotool key Down; done
  xdotool key Return
  window="$(xdotool search --sync --onlyvisible --name 'Programmable Keyboard' | head -n1)"
  xdotool windowmove "$window" 0 0
  xdotool windowsize "$window" 900 640
  sleep 1
  shot started
  read -r view_x view_y < <(ppm locate "$work/started.ppm") || fail "the layout view is not on the screen"
  # A click right of the keyboard frame selects nothing but gives the view the focus.
  xdotool mousemove $((view_x + 745)) $((view_y + 150)) click 1
  sleep 0.3
}

stop_editor() {
  kill "$vexa_pid"
  wait "$vexa_pid" 2>/dev/null || true
  vexa_pid=""
}

menu() {  # Configuration menu entry by its mnemonic
  xdotool key --window "$window" alt+c
  sleep 0.4
  xdotool key "$1"
}

# Content of a layout position of the template in the keyboard file.
position_content() {
  "$VEXA_CLI" template show "$keyboard" --model PX2400 | awk -F'\t' -v p="$1" '$1 == p { print $4 }'
}

wait_for_content() {  # POSITION TEXT SECONDS
  for _ in $(seq $(($3 * 10))); do
    [ -f "$keyboard" ] && [ "$(position_content "$1")" = "$2" ] && return 0
    sleep 0.1
  done
  fail "position $1 of the keyboard holds '$(position_content "$1")', expected '$2'"
}

# --- 1. USB with the real waits: the progress display during a write --------
start_editor 1
xdotool type --delay 50 "abc"
menu w
sleep 4
shot writing
title=$(ppm ink "$work/writing.ppm" "$view_x" "$view_y" 250 360 180 16)
warning=$(ppm ink "$work/writing.ppm" "$view_x" "$view_y" 200 398 280 16)
percent=$(ppm ink "$work/writing.ppm" "$view_x" "$view_y" 460 380 36 16)
filled=$(ppm blue "$work/writing.ppm" "$view_x" "$view_y" 201 381 253 13)
[ "$title" -gt 20 ] || fail "no title text at (250,360) during the write ($title dark pixels)"
[ "$warning" -gt 40 ] || fail "no warning line at (200,398) during the write ($warning dark pixels)"
[ "$percent" -gt 5 ] || fail "no percentage at (460,380) during the write ($percent dark pixels)"
[ "$filled" -gt 100 ] && [ "$filled" -lt 3000 ] || fail "progress bar not partly filled during the write ($filled pixels)"
wait_for_content 0 "abc" 40
sleep 1
shot written
[ "$(ppm ink "$work/written.ppm" "$view_x" "$view_y" 200 398 280 16)" -eq 0 ] || fail "the warning line stayed after the write"
stop_editor

# The keyboard file is exactly what vexa-cli reads from the keyboard.
VEXA_SIM_NO_WAITS=1 "$VEXA_CLI" keyboard read "$work/read.bin" --port usb --simulate-keyboard "$keyboard" 2>/dev/null ||
  fail "vexa-cli keyboard read failed"
cmp -s "$work/read.bin" "$keyboard" || fail "vexa-cli reads something else than the keyboard file holds"

# --- 2. PS/2 without waits: Read From KB replaces an edited key ---------------
export VEXA_SIM_NO_WAITS=1
start_editor 0
xdotool type --delay 50 "zz"
menu r
sleep 1
# After the read position 0 holds "abc" again. Add a key at position 1 (the
# next key to the right) and write: the keyboard then shows what the document
# held after the read.
xdotool key shift+Right
xdotool type --delay 50 "q"
menu w
wait_for_content 1 "q" 20
[ "$(position_content 0)" = "abc" ] || fail "Read From KB did not bring back 'abc' (position 0 holds '$(position_content 0)')"
stop_editor

echo "e2e_transfer: ok (screenshots in $out)"
