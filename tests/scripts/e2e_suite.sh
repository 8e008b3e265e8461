#!/usr/bin/env bash
# The whole editor end to end, as a user drives it: the real vexa under Xvfb
# (no window manager), typed at and clicked with xdotool, on a simulated USB
# keyboard, with settings of its own. One session:
#
#   port dialog (USB) -> Keyboard menu: DV3500, confirmed with Yes
#   key A (clicked): ASCII typing with Shift and Caps Lock, Enter, Insert Delay
#     Time, Enter Level Separator, Enter ASCII Code
#   key B (Shift+Right): Set ScanCode Mode, letters, Esc F1, Esc Caps Lock,
#     Caps Lock alone, Select Scan Code
#   key C (Shift+Right): typed, Clear Current Key, typed again
#   Config KB Properties and Config MR properties (a warning while typing, and
#   OK refused while a field is in error)
#   Save As, Load, Export Text Data, Write Into KB (progress display on
#   screen), Import Text Data + Save, Read From KB + Save, the keyboard output
#   test, and Exit answered Yes at the save prompt.
#
# Every file the editor writes is compared byte for byte with what vexa-cli
# computes from the same key contents and settings; screenshots are checked at
# fixed places (key label colours, the selected key's outline, the progress
# display) and kept in $VEXA_BUILD_DIR/e2e/suite-*.png.
set -euo pipefail

E2E_NAME=e2e_suite
E2E_SHOT_PREFIX=suite-
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3 cmp
: "${VEXA_CLI:?}"
e2e_start_x

MODEL=DV3500

# --- Expectations, computed with vexa-cli ------------------------------------
# The layout gives the key rectangles and the arrow neighbours.
cli layout --model "$MODEL" >"$work/layout.tsv"
KEY_A=10
KEY_B=$(field "$KEY_A" 9)  # right neighbour
KEY_C=$(field "$KEY_B" 9)
KEY_IMPORTED=30
KEY_LAST=40

# set_line FILE POSITION CONTENT: the text template line of a position gets a
# new content (label kept; backslash and comma escaped as the file wants).
set_line() {
  python3 - "$@" <<'PY'
import sys
path, pos, content = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode('latin-1')
lines = open(path, 'rb').read().split(b'\r\n')
line, end, escaped = lines[pos], len(lines[pos]), False
for i, c in enumerate(line):  # the label ends at the first unescaped comma
    if escaped:
        escaped = False
    elif c == ord('\\'):
        escaped = True
    elif c == ord(','):
        end = i
        break
lines[pos] = line[:end] + b',' + content.replace(b'\\', b'\\\\').replace(b',', b'\\,')
open(path, 'wb').write(b'\r\n'.join(lines))
PY
}

CONTENT_A='Ab1[CR]Xy[Delay3][Separator]B'
CONTENT_B='[A][{][F1][CapsLock][F7]'
CONTENT_C='w'
CONTENT_IMPORTED='a,b\c'
CONTENT_LAST='q'

cli template new "$work/blank.bin"
cli template export "$work/blank.bin" "$work/expected.txt" --model "$MODEL"
set_line "$work/expected.txt" "$KEY_A" "$CONTENT_A"
set_line "$work/expected.txt" "$KEY_B" "$CONTENT_B"
set_line "$work/expected.txt" "$KEY_C" "$CONTENT_C"
# The settings the two dialogs leave: delay 25 ms, break codes off (bit 2 of
# the feature byte set), track 1 prefix "AB" and field terminator "A"; the card
# reader dialog writes every text left empty as one 0x00 at its field's start.
python3 - "$work/blank.bin" "$work/settings.bin" <<'PY'
import sys
image = bytearray(open(sys.argv[1], 'rb').read())
image[2042] = 25
image[2043] |= 0x04
for empty in (1976, 1984, 1992, 2000, 2008, 2017, 2018, 2024, 2028):
    image[empty] = 0x00
image[1968:1976] = b'AB' + b'\xff' * 6
image[2016] = ord('A')
open(sys.argv[2], 'wb').write(image)
PY
cli template import "$work/expected.txt" "$work/expected.bin" --model "$MODEL" --base "$work/settings.bin"
cli template export "$work/expected.bin" "$work/expected-export.txt" --model "$MODEL"
cp "$work/expected-export.txt" "$work/import.txt"
set_line "$work/import.txt" "$KEY_IMPORTED" "$CONTENT_IMPORTED"
cli template import "$work/import.txt" "$work/expected-imported.bin" --model "$MODEL" --base "$work/expected.bin"
cp "$work/expected-export.txt" "$work/final.txt"
set_line "$work/final.txt" "$KEY_LAST" "$CONTENT_LAST"
cli template import "$work/final.txt" "$work/expected-final.bin" --model "$MODEL" --base "$work/expected.bin"


# Label colours in a screenshot: count the pixels of each colour inside a key.
BLUE="0 0 255" GREEN="30 150 0"
key_colour() {  # SHOT POSITION -> blue|green|black
  local x y w h blue green
  read -r x y w h <<<"$(key_rect "$2")"
  blue=$(colour_count "$1" $((x + 2)) $((y + 2)) $((w - 3)) $((h - 3)) "$BLUE")
  green=$(colour_count "$1" $((x + 2)) $((y + 2)) $((w - 3)) $((h - 3)) "$GREEN")
  if [ "$blue" -gt 5 ] && [ "$green" -eq 0 ]; then echo blue
  elif [ "$green" -gt 5 ] && [ "$blue" -eq 0 ]; then echo green
  elif [ "$green" -eq 0 ] && [ "$blue" -eq 0 ]; then echo black
  else echo "mixed($blue blue, $green green)"; fi
}
expect_colours() {  # SHOT POSITION=COLOUR...
  local shot_name=$1 pair got
  shift
  for pair in "$@"; do
    got=$(key_colour "$shot_name" "${pair%%=*}")
    [ "$got" = "${pair#*=}" ] ||
      fail "key at position ${pair%%=*} ($(field "${pair%%=*}" 3)) is drawn $got in suite-$shot_name.png, expected ${pair#*=}"
  done
}
# The selected key has a 2-pixel black left edge; the others a white one.
expect_selected() {  # SHOT POSITION
  local x y w h
  read -r x y w h <<<"$(key_rect "$2")"
  expect_pixel "$1" "$x" $((y + h / 2)) "0 0 0" "selected key $2's left edge"
  expect_pixel "$1" $((x - 1)) $((y + h / 2)) "0 0 0" "selected key $2's bold left edge"
}
expect_unselected() {  # SHOT POSITION
  local x y w h
  read -r x y w h <<<"$(key_rect "$2")"
  expect_pixel "$1" "$x" $((y + h / 2)) "255 255 255" "unselected key $2's white left edge"
}
click_key() {  # POSITION
  local x y w h
  read -r x y w h <<<"$(key_rect "$1")"
  xdotool mousemove $((view_x + x + w / 2)) $((view_y + y + h / 2)) click 1
  sleep 0.3
}

# --- Start: USB port, then the model switch ------------------------------------
e2e_start_editor 1
e2e_focus_editor
menu b Down Down Down Down Return  # PX2100 PX2200 PX2400 DV3300 [DV3500] DV3100
e2e_dialog "Select Keyboard"
keys Return                           # Yes
e2e_focus_editor
[ "$(caption)" = "Template : $MODEL - Tessaly  Programmable Keyboard" ] ||
  fail "caption after the model switch is '$(caption)', expected 'Template : $MODEL - Tessaly  Programmable Keyboard'"
shot model
expect_selected model 0

# --- Key A: mouse selection, ASCII typing, Key Edit dialogs --------------------
click_key "$KEY_A"
keys shift+a b 1 Return
keys Caps_Lock x shift+y Caps_Lock
menu k d                               # Insert Delay Time
e2e_dialog "Put Delay Time"
keys Up Up Return                      # 1 -> 3
menu k l                               # Enter Level Separator
menu k e                               # Enter ASCII Code
e2e_dialog "Input ASCII Code"
keys ctrl+a 6 6 Return
e2e_focus_editor

# --- Key B: Shift+Right, scan code mode, ESC words, Select Scan Code ---------
keys shift+Right
menu k Down Return                     # Set ScanCode Mode: the first enabled entry after Undo on an empty ASCII key
keys a bracketleft Escape F1 Escape Caps_Lock
keys Caps_Lock                         # alone: no word, and the lock is off again
menu k Up Return                       # Select Scan Code: the last entry
e2e_dialog "Input Scan Code"
keys Down Return                       # [F6] -> [F7]
e2e_focus_editor

# --- Key C: typed, Clear Current Key, typed again ----------------------------
keys shift+Right
keys z z
menu k Down Return                     # Clear Current Key: the first entry after Undo, enabled on a key with content
keys w
shot edited
expect_selected edited "$KEY_C"
expect_unselected edited "$KEY_A"
expect_colours edited "$KEY_A=green" "$KEY_B=green" "$KEY_C=green" 0=black "$KEY_IMPORTED=black"

# --- The two settings dialogs ------------------------------------------------
menu c k                               # Config KB Properties
e2e_dialog "Config KB properties"
keys space                             # break codes off (the first check box has the focus)
keys Tab Tab Tab Tab Tab Tab Tab       # the inter-character delay
keys ctrl+a 2 5 Return
e2e_wait_gone "$dialog_id"
menu c m                               # Config MR properties (DV3500 has a card reader)
e2e_dialog "Config MR properties"
mr_dialog=$dialog_id
keys Tab Tab Tab Tab Tab               # track 1 prefix
keys shift+a shift+b
keys Tab Tab                           # track 1 field terminator: one byte only
keys shift+a shift+b                   # warned on the red line under the field, nothing modal
sleep 0.3
if xdotool search --onlyvisible --name '^VEXA$' >/dev/null 2>&1; then
  fail "typing into the card reader dialog brought up a message box"
fi
shot mr-warning
keys Return                            # OK checks the fields: the message, the dialog stays
e2e_dialog VEXA                        # "Track1 field terminator error!"
keys Return
xdotool windowfocus --sync "$mr_dialog" 2>/dev/null || true
sleep 0.2
keys BackSpace Return                  # the field in error has the focus
e2e_wait_gone "$mr_dialog"

# --- Save As, Load, Export ------------------------------------------------
menu t a                               # Save As...
e2e_dialog "Save As"
xdotool type --delay 40 "saved.bin"
keys Return
e2e_wait_file "$work/saved.bin" 10 || fail "Save As did not write $work/saved.bin"
sleep 0.3
same_file "Save As" "$work/saved.bin" "$work/expected.bin"
[[ "$(caption)" == *saved.bin* ]] || fail "caption after Save As is '$(caption)'"

# Load from the menu: the file is unchanged since it was saved, so no question.
# (Ctrl+O would ask: its Ctrl key-down counts as a keystroke in the editor.)
menu t l
e2e_dialog "Open"
xdotool type --delay 40 "saved.bin"
keys Return
e2e_wait_gone "$dialog_id"
e2e_focus_editor
shot loaded
expect_colours loaded "$KEY_A=blue" "$KEY_B=blue" "$KEY_C=blue" 0=black "$KEY_IMPORTED=black"
expect_selected loaded 0

menu t e                               # Export Text Data
e2e_dialog "Text File Template Import/Export"
keys ctrl+a
xdotool type --delay 40 "export.txt"
keys Return
e2e_wait_file "$work/export.txt" 10 || fail "Export Text Data did not write $work/export.txt"
sleep 0.3
same_file "Export Text Data" "$work/export.txt" "$work/expected-export.txt"

# --- Write Into KB over USB: the progress display on screen ------------------
menu c w
writing=""
for _ in $(seq 40); do
  shot writing
  if [ "$(bluish writing 201 381 253 13)" -gt 40 ]; then writing=1; break; fi
  sleep 0.3
done
[ -n "$writing" ] || fail "no progress bar at (200,380)-(455,395) during Write Into KB"
title=$(ink writing 250 360 180 16)
warning=$(ink writing 200 398 280 16)
percent=$(ink writing 460 380 36 16)
[ "$title" -gt 20 ] || fail "no title text at (250,360) during the write ($title dark pixels)"
[ "$warning" -gt 40 ] || fail "no warning line at (200,398) during the write ($warning dark pixels)"
[ "$percent" -gt 5 ] || fail "no percentage at (460,380) during the write ($percent dark pixels)"
e2e_wait_file "$keyboard" 40 cmp -s "$keyboard" "$work/expected.bin" ||
  same_file "Write Into KB (the simulated keyboard's memory)" "$keyboard" "$work/expected.bin"
for _ in $(seq 30); do
  shot written
  [ "$(ink written 200 398 280 16)" -eq 0 ] && break
  sleep 0.3
done
[ "$(ink written 200 398 280 16)" -eq 0 ] || fail "the warning line stayed after the write"

# --- Import Text Data, saved with Ctrl+S ---------------------------------------
menu t i
e2e_dialog "Text File Template Import/Export"
keys ctrl+a
xdotool type --delay 40 "import.txt"
keys Return
e2e_wait_gone "$dialog_id"
e2e_focus_editor
# The caption keeps the template's file and model, with the modified mark.
[ "$(caption)" = "saved.bin : $MODEL* - Tessaly  Programmable Keyboard" ] ||
  fail "caption after the import is '$(caption)', expected 'saved.bin : $MODEL* - ...'"
rm -f "$work/saved.bin"
keys ctrl+s
e2e_wait_file "$work/saved.bin" 10 || fail "Ctrl+S did not write $work/saved.bin"
sleep 0.3
same_file "Import Text Data, then Save" "$work/saved.bin" "$work/expected-imported.bin"

# --- Read From KB brings back what was written -------------------------------
menu c r
for _ in $(seq 30); do  # the read has ended when the imported key is blank again
  sleep 0.3
  shot read
  [ "$(key_colour read "$KEY_IMPORTED")" = black ] && [ "$(bluish read 201 381 253 13)" -eq 0 ] && break
done
e2e_focus_editor
expect_colours read "$KEY_A=blue" "$KEY_B=blue" "$KEY_C=blue" "$KEY_IMPORTED=black"
expect_selected read 0
rm -f "$work/saved.bin"
keys ctrl+s
e2e_wait_file "$work/saved.bin" 10 || fail "Ctrl+S after the read did not write $work/saved.bin"
sleep 0.3
same_file "Read From KB, then Save" "$work/saved.bin" "$work/expected.bin"

# --- Keyboard output test: keys go to the test window, not to the key ---------
menu e Return
sleep 0.5
xdotool type --delay 60 "ab"
keys F1
shot outputtest
expect_pixel outputtest 600 65 "255 255 255" "the output test's Quit box (left edge)"
[ "$(ink outputtest 62 82 600 40)" -gt 40 ] || fail "the typed keys are not shown in the output test window"
xdotool mousemove $((view_x + 640)) $((view_y + 65)) click 1  # inside the Quit box
sleep 0.5
shot outputtest-closed
[ "$(pixel outputtest-closed 600 65)" != "255 255 255" ] || fail "the output test window is still shown after Quit"

# --- Exit with the save prompt answered Yes ----------------------------------
click_key "$KEY_LAST"
keys q
shot final
expect_colours final "$KEY_LAST=green" "$KEY_A=blue"
rm -f "$work/saved.bin"
menu t Up Return                       # Exit: the last entry of the Template menu
e2e_dialog VEXA                        # "Save changes to ...?"
keys Return                            # Yes
e2e_wait_exit 10
[ -f "$work/saved.bin" ] || fail "answering Yes at the save prompt did not save $work/saved.bin"
same_file "Exit, saved at the prompt" "$work/saved.bin" "$work/expected-final.bin"

echo "$E2E_NAME: ok (screenshots in $out/suite-*.png)"
