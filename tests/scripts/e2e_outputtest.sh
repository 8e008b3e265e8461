#!/usr/bin/env bash
# End-to-end keyboard output test with the real editor under Xvfb: open it from
# the Testing menu, type with xdotool, check the screenshot (the window at
# (50,50) in the view, its Quit box, the typed key names in its text area and
# nothing in the key editor), then close it with the Quit box and see the
# keys reach the key editor again. Screenshots are kept in $VEXA_BUILD_DIR/e2e/.
set -euo pipefail

E2E_NAME=e2e_outputtest
E2E_SHOT_PREFIX=outputtest-
export VEXA_SIM_NO_WAITS=1
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3
e2e_start_x
e2e_start_editor 0  # PS/2
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

# The way out by keyboard: the hint beside the Quit box, then Esc three times.
xdotool key --window "$window" alt+e
sleep 0.4
xdotool key Return
sleep 0.5
shot reopened
[ "$(pixel reopened 600 65)" = "255 255 255" ] || fail "the test did not open again"
[ "$(ink reopened 370 55 225 20)" -gt 20 ] || fail "no hint for the way out by keyboard beside the Quit box"
[ "$(ink reopened 62 82 600 40)" -eq 0 ] || fail "the Enter that opened the test was recorded"
xdotool key --delay 120 Escape Escape Escape
sleep 0.5
shot escaped
[ "$(pixel escaped 600 65)" != "255 255 255" ] || fail "Esc three times did not close the test"

e2e_stop_editor
echo "e2e_outputtest: ok (screenshots in $out)"
