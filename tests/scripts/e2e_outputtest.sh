#!/usr/bin/env bash
# End-to-end keyboard output test with the real editor under Xvfb: open it from
# the Testing menu, type with xdotool, check the screenshot (the window at
# (50,50) in the view, its Quit box, the typed key names in its text area and
# nothing in the key editor), then close it with the Quit box and see the
# keys reach the key editor again. Screenshots are kept in $VEXA_BUILD_DIR/e2e/.
set -euo pipefail

if [ -z "${VEXA_BIN:-}" ]; then
  echo "e2e_outputtest: skipped (the editor is not built: VEXA_BIN is empty)"
  exit 0
fi
for tool in Xvfb xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "e2e_outputtest: $tool is missing" >&2; exit 1; }
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
fail() { echo "e2e_outputtest: $*" >&2; exit 1; }

display=140
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" VEXA_SIM_NO_WAITS=1
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

shot() { import -window root "$out/outputtest-$1.png"; convert "$out/outputtest-$1.png" "$work/$1.ppm"; }

# Python over a PPM screenshot: locate the layout view by its keyboard frame,
# read a pixel, or count the dark pixels of a rectangle (view coordinates).
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
w = int(fields[1])
px = lambda x, y: tuple(data[pos + 3 * (y * w + x): pos + 3 * (y * w + x) + 3])
if cmd == 'locate':
    for y in range(0, 400):
        for x in range(0, 300):
            if px(x, y) == (255, 255, 255) and px(x + 1, y + 1) == (0, 0, 0) and px(x + 2, y + 2) == (220, 220, 220) \
                    and px(x + 700, y) == (255, 255, 255) and px(x + 701, y + 1) == (0, 0, 0):
                print(x - 29, y - 19); sys.exit(0)
    sys.exit(1)
ox, oy, x, y = map(int, sys.argv[3:7])
if cmd == 'pixel':
    print(*px(ox + x, oy + y))
elif cmd == 'ink':
    rw, rh = map(int, sys.argv[7:9])
    print(sum(1 for j in range(y, y + rh) for i in range(x, x + rw) if sum(px(ox + i, oy + j)) < 200))
PY
}
pixel() { ppm pixel "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3"; }
ink() { ppm ink "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3" "$4" "$5"; }

(cd "$work" && exec "$VEXA_BIN" --simulate-keyboard "$work/keyboard.bin") >"$out/outputtest-vexa.log" 2>&1 &
vexa_pid=$!
dialog="$(xdotool search --sync --onlyvisible --name '^Select Communication Port$' | head -n1)"
xdotool windowfocus --sync "$dialog"
xdotool key Return  # PS/2
window="$(xdotool search --sync --onlyvisible --name 'Programmable Keyboard' | head -n1)"
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 900 640
sleep 1
shot start
read -r view_x view_y < <(ppm locate "$work/start.ppm") || fail "the layout view is not on the screen"
xdotool mousemove $((view_x + 745)) $((view_y + 150)) click 1  # focus, no key hit
sleep 0.3

# Testing > Keyboard Output.
xdotool key --window "$window" alt+e
sleep 0.4
xdotool key Return
sleep 0.5
shot opened
# Window at (50,50): the Quit box's white left edge and black right edge.
[ "$(pixel opened 600 65)" = "255 255 255" ] || fail "no Quit box left edge at (600,65): $(pixel opened 600 65)"
[ "$(pixel opened 680 65)" = "0 0 0" ] || fail "no Quit box right edge at (680,65): $(pixel opened 680 65)"
[ "$(ink opened 60 55 160 16)" -gt 30 ] || fail "no title in the test window"
[ "$(ink opened 62 82 600 40)" -eq 0 ] || fail "the text area is not empty after opening"

xdotool type --delay 60 "ab"
xdotool key --delay 60 shift+a F1 shift+1
sleep 0.5
shot typed
[ "$(ink typed 62 82 600 40)" -gt 40 ] || fail "the typed keys are not shown in the test window"
# None of it reached the key editor: the content box is still empty.
[ "$(ink typed 98 331 500 16)" -eq 0 ] || fail "keys reached the key editor while the test was open"
cp "$out/outputtest-typed.png" "$out/screenshot-outputtest.png"

# Quit box: a click on its edge does nothing, one inside closes the test.
xdotool mousemove $((view_x + 50 + 550)) $((view_y + 50 + 15)) click 1
sleep 0.3
shot edge
[ "$(pixel edge 600 65)" = "255 255 255" ] || fail "a click on the Quit box's edge closed the test"
xdotool mousemove $((view_x + 50 + 590)) $((view_y + 50 + 15)) click 1
sleep 0.5
xdotool type --delay 60 "xy"
sleep 0.5
shot closed
[ "$(pixel closed 600 65)" != "255 255 255" ] || fail "the test window is still shown after Quit"
[ "$(ink closed 98 331 500 16)" -gt 10 ] || fail "keys do not reach the key editor after the test closed"

kill "$vexa_pid"
wait "$vexa_pid" 2>/dev/null || true
vexa_pid=""
echo "e2e_outputtest: ok (screenshots in $out)"
