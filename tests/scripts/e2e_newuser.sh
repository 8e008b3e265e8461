#!/usr/bin/env bash
# What tripped up a first-time integrator, end to end under Xvfb on a simulated
# USB keyboard (DV3500), each checked on the files the editor writes, the
# caption and the screen:
#
#   1. Import Text Data of a file with the line "L51,[Bogus]" is refused with a
#      message box and changes nothing (the next Save writes the template as
#      it was);
#   2. Export Text Data of a name typed without an extension writes NAME.txt;
#   3. a shift level code takes no text: "Milk" typed after it changes
#      nothing, and the next click on another key selects it without a word;
#   4. the caption's modified mark: moving the selection leaves it off, typing
#      sets it, Save clears it and draws the edited key blue again;
#   5. Read From KB over unsaved work asks first, and Cancel reads nothing;
#   6. Write Into KB ends with a line in the status bar;
#   7. Save As of a name typed without an extension writes NAME.bin;
#   and Exit after only moving the selection asks nothing.
set -euo pipefail

E2E_NAME=e2e_newuser
E2E_SHOT_PREFIX=newuser-
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3 cmp
: "${VEXA_CLI:?}"
e2e_start_x

MODEL=DV3500
cli layout --model "$MODEL" >"$work/layout.tsv"
click_key() {  # POSITION
  local x y w h
  read -r x y w h <<<"$(key_rect "$1")"
  xdotool mousemove $((view_x + x + w / 2)) $((view_y + y + h / 2)) click 1
  sleep 0.3
}
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
no_message_box() {  # WHAT
  sleep 0.5
  if xdotool search --onlyvisible --name '^VEXA$' >/dev/null 2>&1; then
    shot unexpected-message
    fail "$1 brought up a message box (newuser-unexpected-message.png)"
  fi
}
saved_as() {  # FILE: Ctrl+S, then waits for FILE
  rm -f "$1"
  e2e_focus_editor
  keys ctrl+s
  e2e_wait_file "$1" 10 || fail "Ctrl+S did not write $1"
  sleep 0.3
}

# --- The files ----------------------------------------------------------------
cli template new "$work/blank.bin"
cli template export "$work/blank.bin" "$work/blank.txt" --model "$MODEL"
# Position 4 is L51; the line gets an invalid key word.
python3 - "$work/blank.txt" "$work/bogus.txt" <<'PY'
import sys
lines = open(sys.argv[1], 'rb').read().split(b'\r\n')
assert lines[4].startswith(b'L51,'), lines[4]
lines[4] = b'L51,[Bogus]'
open(sys.argv[2], 'wb').write(b'\r\n'.join(lines))
PY
# What the template holds after step 3: the shift level code alone at position 0.
python3 - "$work/blank.txt" "$work/shift.txt" <<'PY'
import sys
lines = open(sys.argv[1], 'rb').read().split(b'\r\n')
label = lines[0].split(b',')[0]
lines[0] = label + b',[ShiftLevel2]'
open(sys.argv[2], 'wb').write(b'\r\n'.join(lines))
PY
cli template import "$work/shift.txt" "$work/expected-shift.bin" --model "$MODEL"

e2e_start_editor 1
menu b Down Down Down Down Return       # PX2100 PX2200 PX2400 DV3300 [DV3500] DV3100
e2e_dialog "Select Keyboard"
keys Return
e2e_focus_editor
[ "$(caption)" = "Template : $MODEL - Tessaly  Programmable Keyboard" ] || fail "caption at start: '$(caption)'"

# --- 4 and 7: moving changes nothing; Save As adds .bin; saved keys are blue --
keys shift+Right shift+Left Tab Down Up
[ "$(caption)" = "Template : $MODEL - Tessaly  Programmable Keyboard" ] ||
  fail "moving the selection marked the template modified: '$(caption)'"
click_key 0
keys T e a
[ "$(caption)" = "Template : $MODEL* - Tessaly  Programmable Keyboard" ] ||
  fail "typing did not set the modified mark: '$(caption)'"
shot typed
[ "$(key_colour typed 0)" = green ] || fail "the typed key is drawn $(key_colour typed 0), expected green"
menu t a                                # Save As...
e2e_dialog "Save As"
keys ctrl+a
xdotool type --delay 40 "shop"
keys Return
e2e_wait_file "$work/shop.bin" 10 || fail "Save As of 'shop' did not write $work/shop.bin"
[ -e "$work/shop" ] && fail "Save As wrote 'shop' without the extension"
e2e_focus_editor
[ "$(caption)" = "shop.bin : $MODEL - Tessaly  Programmable Keyboard" ] || fail "caption after Save As: '$(caption)'"
shot saved
[ "$(key_colour saved 0)" = blue ] || fail "the saved key is drawn $(key_colour saved 0), expected blue"

# --- 2: Export of a name without an extension --------------------------------
menu t e
e2e_dialog "Text File Template Import/Export"
keys ctrl+a
xdotool type --delay 40 "cafe"
keys Return
e2e_wait_file "$work/cafe.txt" 10 || fail "Export Text Data of 'cafe' did not write $work/cafe.txt"
[ -e "$work/cafe.NULL" ] && fail "Export Text Data wrote cafe.NULL"
e2e_focus_editor
[ "$(caption)" = "shop.bin : $MODEL - Tessaly  Programmable Keyboard" ] || fail "caption after the export: '$(caption)'"

# --- 1: an invalid key stops the import ----------------------------------------
cp "$work/shop.bin" "$work/before-import.bin"
menu t i
e2e_dialog "Text File Template Import/Export"
keys ctrl+a
xdotool type --delay 40 "bogus.txt"
keys Return
e2e_dialog VEXA                         # the refusal, naming position 4, L51 and [Bogus]
shot import-refused
keys Return
e2e_wait_gone "$dialog_id"
e2e_focus_editor
[ "$(caption)" = "shop.bin : $MODEL - Tessaly  Programmable Keyboard" ] ||
  fail "the refused import changed the caption or the modified mark: '$(caption)'"
saved_as "$work/shop.bin"
same_file "Save after the refused import" "$work/shop.bin" "$work/before-import.bin"

# --- 3: a shift level code takes nothing more ------------------------------------
click_key 0
menu k c                                # Clear Current Key
menu k h                                # Enter Shift Level code
e2e_dialog "Put Shift Level Code"
keys Up Return                          # level 2
e2e_focus_editor
keys M i l k
shot shift-level-typed                  # the status bar says why
click_key 1
no_message_box "clicking another key after a shift level code and typing"
saved_as "$work/shop.bin"
no_message_box "Save after a shift level code and typing"
same_file "the shift level code, typed after and saved" "$work/shop.bin" "$work/expected-shift.bin"

# --- 6: a write into the keyboard ends with a line in the status bar --------------
menu c w
e2e_wait_file "$keyboard" 40 cmp -s "$keyboard" "$work/expected-shift.bin" ||
  same_file "Write Into KB (the simulated keyboard's memory)" "$keyboard" "$work/expected-shift.bin"
status=0
for _ in $(seq 30); do  # "Ready" has a few dark pixels; the line after the write many more
  sleep 0.3
  shot written
  status=$(python3 "$E2E_LIB_DIR/ppm.py" ink "$work/written.ppm" 0 0 60 620 300 18)
  [ "$status" -gt 150 ] && break
done
[ "$status" -gt 150 ] || fail "no status bar line after Write Into KB ($status dark pixels in newuser-written.png)"

# --- 5: Read From KB over unsaved work asks; Cancel reads nothing ------------------
click_key 2
keys x
menu c r
e2e_dialog VEXA                         # "Save changes to shop.bin?"
shot read-asks
keys Escape
e2e_wait_gone "$dialog_id"
sleep 1
e2e_focus_editor
saved_as "$work/shop.bin"
cli template export "$work/shop.bin" "$work/after-cancel.txt" --model "$MODEL"
grep -q $'^[^,]*,x\r$' "$work/after-cancel.txt" ||
  fail "Cancel at the save question of Read From KB still replaced the template"

# --- Exit after moving only asks nothing ------------------------------------------
keys shift+Right shift+Right Down
menu t Up Return                        # Exit
e2e_wait_exit 10

echo "$E2E_NAME: ok (screenshots in $out/newuser-*.png)"
