#!/usr/bin/env bash
# End-to-end run of the real editor under Xvfb: start vexa, click a key, switch
# the model and open the About box through the menus, exit from the Template
# menu, and check pixels of screenshots taken on the way (kept in
# $VEXA_BUILD_DIR/e2e/).
set -euo pipefail

E2E_NAME=e2e_shell
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3
e2e_start_x
# The port is chosen once, before the main window shows: take the default.
E2E_WIDTH=760 E2E_HEIGHT=520 e2e_start_editor 0
[[ "$(xdotool getwindowname "$window")" == *"Tessaly  Programmable Keyboard" ]] ||
  fail "main window title: $(xdotool getwindowname "$window")"

expect_pixel started 400 385 "$(pixel started 31 21)" "view fill (the palette's window colour)"
expect_pixel started 600 340 "255 255 255" "content box"
expect_pixel started 55 155 "0 0 0" "selected key (position 0) outline"

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
e2e_dialog "Select Keyboard"
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
e2e_dialog "About VEXA"
xdotool key Escape
sleep 0.3

# Template -> Exit (the last entry): nothing was changed, so no question.
xdotool windowfocus --sync "$window"
xdotool key alt+t
sleep 0.3
xdotool key Up Return
e2e_wait_exit 5
echo "e2e_shell: ok (screenshots in $out)"
