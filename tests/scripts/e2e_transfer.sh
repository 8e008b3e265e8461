#!/usr/bin/env bash
# End-to-end keyboard transfers with the real editor under Xvfb and the
# simulated keyboard:
#   1. USB, real waits: type into a key, Write Into KB, a screenshot DURING the
#      write must show the progress display; keys typed during the write reach
#      nothing, neither then nor afterwards; the keyboard file then holds the
#      template (checked with vexa-cli).
#   2. PS/2, no waits: edit the key again, Read From KB asks about the edit
#      (answered No), brings the keyboard's content back, and a second write
#      proves what the document held.
#   3. PS/2 through --ps2-device, no waits: the keyboard emulator behind a
#      pseudo-terminal that speaks like the kernel's serio_raw node; a write
#      reaches it.
# Screenshots are kept in $VEXA_BUILD_DIR/e2e/.
set -euo pipefail

E2E_NAME=e2e_transfer
E2E_SHOT_PREFIX=transfer-
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3
: "${VEXA_CLI:?}"
e2e_start_x
keyboard="$work/keyboard.bin"

# Starts the editor on the simulated keyboard and answers the port dialog
# (number of Down presses: 0 = PS/2, 1 = USB).
start_editor() {
  e2e_start_editor "$1"
  # A click right of the keyboard frame selects nothing but gives the view the focus.
  xdotool mousemove $((view_x + 745)) $((view_y + 150)) click 1
  sleep 0.3
}

stop_editor() { e2e_stop_editor; }

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
title=$(ink writing 250 360 180 16)
warning=$(ink writing 200 398 280 16)
percent=$(ink writing 460 380 36 16)
filled=$(bluish writing 201 381 253 13)
[ "$title" -gt 20 ] || fail "no title text at (250,360) during the write ($title dark pixels)"
[ "$warning" -gt 40 ] || fail "no warning line at (200,398) during the write ($warning dark pixels)"
[ "$percent" -gt 5 ] || fail "no percentage at (460,380) during the write ($percent dark pixels)"
[ "$filled" -gt 100 ] && [ "$filled" -lt 3000 ] || fail "progress bar not partly filled during the write ($filled pixels)"
# Typed during the write: dropped, not queued for the key after the write.
xdotool type --delay 50 "qqq"
wait_for_content 0 "abc" 40
sleep 1
shot written
[ "$(ink written 200 398 280 16)" -eq 0 ] || fail "the warning line stayed after the write"
# The content box shows "abc" only: nothing right of its third character.
[ "$(ink written 120 333 80 14)" -eq 0 ] || fail "keys typed during the write reached the key content"
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
e2e_dialog VEXA  # "Save changes to ...?" before the read replaces them: No
keys alt+n
sleep 1
e2e_focus_editor
# After the read position 0 holds "abc" again. Add a key at position 1 (the
# next key to the right) and write: the keyboard then shows what the document
# held after the read.
xdotool key shift+Right
xdotool type --delay 50 "q"
menu w
wait_for_content 1 "q" 20
[ "$(position_content 0)" = "abc" ] || fail "Read From KB did not bring back 'abc' (position 0 holds '$(position_content 0)')"
stop_editor

# --- 3. PS/2 through --ps2-device ----------------------------------------------
: "${VEXA_PS2_EMULATOR:?}"
"$VEXA_PS2_EMULATOR" "$keyboard" "$work/serio_raw0" >"$work/emulator.out" 2>&1 &
emulator_pid=$!
e2e_cleanup_extra='kill $emulator_pid 2>/dev/null; wait $emulator_pid 2>/dev/null'
e2e_wait_file "$work/emulator.out" 10 grep -q ready "$work/emulator.out" || fail "the keyboard emulator did not start: $(cat "$work/emulator.out")"
# A program serves the node: it may answer late on a busy machine.
export VEXA_SIM_PS2_BYTE_MS=1000
E2E_PS2_DEVICE="$work/serio_raw0" start_editor 0
menu r
sleep 1
xdotool key shift+Right shift+Right
xdotool type --delay 50 "pty"
menu w
wait_for_content 2 "pty" 20
[ "$(position_content 1)" = "q" ] || fail "the read through --ps2-device did not bring back 'q' (position 1 holds '$(position_content 1)')"
stop_editor

if grep -q "protocol violation" "$E2E_LOG"; then fail "the simulated keyboard saw protocol violations"; fi
echo "e2e_transfer: ok (screenshots in $out)"
