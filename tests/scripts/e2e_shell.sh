#!/usr/bin/env bash
# End-to-end run of the real editor under Xvfb: start vexa, click a key, switch
# the model and open the About box through the menus, exit from the Template
# menu, and check pixels of screenshots taken on the way (kept in
# $VEXA_BUILD_DIR/e2e/).
set -euo pipefail

if [ -z "${VEXA_BIN:-}" ]; then
  echo "e2e_shell: skipped (the editor is not built: VEXA_BIN is empty)"
  exit 0
fi
for tool in Xvfb xdotool import convert python3; do
  command -v "$tool" >/dev/null || { echo "e2e_shell: $tool is missing" >&2; exit 1; }
done

out="${VEXA_BUILD_DIR:-/tmp}/e2e"
mkdir -p "$out"
work="$(mktemp -d)"
xvfb_pid="" vexa_pid=""
cleanup() {
  [ -n "$vexa_pid" ] && kill "$vexa_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Settings of their own, so the run starts on PX2400 and touches nobody's files.
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
# A simulated keyboard: nothing here may reach a real keyboard controller.
(cd "$work" && exec "$VEXA_BIN" --simulate-keyboard "$work/keyboard.bin") >"$out/vexa.log" 2>&1 &
vexa_pid=$!

# The port is chosen once, before the main window shows: take the default.
port="$(xdotool search --sync --onlyvisible --name '^Select Communication Port$' | head -n1)"
xdotool windowfocus --sync "$port"
xdotool key Return

window="$(xdotool search --sync --onlyvisible --name 'Tessaly  Programmable Keyboard' | head -n1)"
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 800 520
sleep 1

fail() { echo "e2e_shell: $*" >&2; exit 1; }
shot() { import -window root "$out/$1.png"; convert "$out/$1.png" "$work/$1.ppm"; }

# pixel NAME X Y -> "R G B" of the screenshot at view coordinates (X, Y).
pixel() {
  python3 - "$work/$1.ppm" "$2" "$3" "$view_x" "$view_y" <<'PY'
import sys
path, x, y, ox, oy = sys.argv[1], *map(int, sys.argv[2:])
data = open(path, 'rb').read()
parts, pos = [], 0
while len(parts) < 4:  # P6 width height maxval
    while data[pos:pos + 1].isspace(): pos += 1
    end = pos
    while not data[end:end + 1].isspace(): end += 1
    parts.append(data[pos:end]); pos = end
pos += 1
width = int(parts[1])
i = pos + 3 * ((oy + y) * width + ox + x)
print(data[i], data[i + 1], data[i + 2])
PY
}

# Finds the view: the keyboard frame's white corner (29,19) with the black one
# (30,20) inside it and the grey fill at (31,21).
locate_view() {
  python3 - "$work/$1.ppm" <<'PY'
import sys
data = open(sys.argv[1], 'rb').read()
parts, pos = [], 0
while len(parts) < 4:
    while data[pos:pos + 1].isspace(): pos += 1
    end = pos
    while not data[end:end + 1].isspace(): end += 1
    parts.append(data[pos:end]); pos = end
pos += 1
w, h = int(parts[1]), int(parts[2])
px = lambda x, y: tuple(data[pos + 3 * (y * w + x): pos + 3 * (y * w + x) + 3])
for y in range(0, 300):
    for x in range(0, 200):
        if px(x, y) == (255, 255, 255) and px(x + 1, y + 1) == (0, 0, 0) and px(x + 2, y + 2) == (220, 220, 220) \
                and px(x + 700, y) == (255, 255, 255) and px(x + 701, y + 1) == (0, 0, 0):
            print(x - 29, y - 19); sys.exit(0)
sys.exit(1)
PY
}

expect_pixel() {  # NAME X Y "R G B" WHAT
  local got
  got="$(pixel "$1" "$2" "$3")"
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) is $got, expected $4"
}

shot start
read -r view_x view_y < <(locate_view start) || fail "the layout view is not on the screen"
expect_pixel start 400 385 "220 220 220" "view fill"
expect_pixel start 600 340 "255 255 255" "content box"
expect_pixel start 55 155 "0 0 0" "selected key (position 0) outline"

# Click the Q key of the PX2400 (left 102, top 170, 27 x 25).
xdotool mousemove $((view_x + 115)) $((view_y + 182)) click 1
sleep 0.5
shot clicked
expect_pixel clicked 102 182 "0 0 0" "the clicked key's bold left edge"
expect_pixel clicked 101 182 "0 0 0" "the clicked key's bold left edge (second pixel)"
expect_pixel clicked 55 155 "255 255 255" "the previous key's white left edge"
cp "$out/clicked.png" "$out/screenshot-px2400.png"

# Keyboard menu (Alt+B) -> DV3100, the sixth entry; confirm with Yes.
xdotool windowfocus --sync "$window"
xdotool key alt+b
sleep 0.3
xdotool key Down Down Down Down Down Return
xdotool search --sync --onlyvisible --name '^Select Keyboard$' >/dev/null
xdotool key Return
sleep 0.5
title="$(xdotool getwindowname "$window")"
[ "$title" = "Template : DV3100 - Tessaly  Programmable Keyboard" ] || fail "caption after the switch: $title"
shot dv3100
expect_pixel dv3100 100 145 "0 0 0" "DV3100 K01 selected after the switch"
expect_pixel dv3100 200 195 "255 255 255" "DV3100 K09 unselected"

# Help -> About VEXA, closed with Esc.
xdotool windowfocus --sync "$window"
xdotool key alt+h
sleep 0.3
xdotool key Return
about="$(xdotool search --sync --onlyvisible --name '^About VEXA$' | head -n1)"
xdotool windowfocus --sync "$about"
xdotool key Escape
sleep 0.3

# Template -> Exit (the last entry): nothing was changed, so no question.
xdotool windowfocus --sync "$window"
xdotool key alt+t
sleep 0.3
xdotool key Up Return
for _ in $(seq 50); do kill -0 "$vexa_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$vexa_pid" 2>/dev/null; then fail "vexa did not exit from Template > Exit"; fi
wait "$vexa_pid" || fail "vexa exited with status $?"
vexa_pid=""
echo "e2e_shell: ok (screenshots in $out)"
