#!/usr/bin/env bash
# The editor's two ways to lose work, end to end under Xvfb, each checked on
# the file on disk byte for byte:
#
#   1. a model switch followed by Save: Save asks for a file name (the Save As
#      chooser, cancelled here) and the template file that was open stays as it
#      was, instead of holding an empty template of the other model;
#   2. Config KB Properties over USB on a DV3100, OK without a change: the
#      serial port settings the dialog does not show keep their bits (byte
#      2043 stays 0xFA), so the saved file equals the file loaded.
#
# On the way, a template whose first key holds [F1][F2] is opened: the key is
# in scan code mode, so typing "a" gives [A] (in ASCII mode it would give an
# invalid "a[F1][F2]" that Save refuses).
set -euo pipefail

E2E_NAME=e2e_datasafety
E2E_SHOT_PREFIX=datasafety-
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3 cmp
: "${VEXA_CLI:?}"
e2e_start_x

# set_line FILE POSITION CONTENT: one line of a text template gets a new content.
set_line() {
  python3 - "$@" <<'PY'
import sys
path, pos, content = sys.argv[1], int(sys.argv[2]), sys.argv[3].encode('latin-1')
lines = open(path, 'rb').read().split(b'\r\n')
label = lines[pos].split(b',')[0]
lines[pos] = label + b',' + content
open(path, 'wb').write(b'\r\n'.join(lines))
PY
}

# --- The files ------------------------------------------------------------------
cli template new "$work/blank.bin"
cli template export "$work/blank.bin" "$work/scan.txt" --model PX2400
set_line "$work/scan.txt" 0 '[F1][F2]'
cli template import "$work/scan.txt" "$work/scan.bin" --model PX2400
set_line "$work/scan.txt" 0 '[A][F1][F2]'
cli template import "$work/scan.txt" "$work/scan-typed.bin" --model PX2400
# A DV3100 template whose keyboard uses its serial port (A bit 4) at 19200
# baud, ODD parity, 7 bits: none of it is the factory image.
python3 - "$work/blank.bin" "$work/serial.bin" <<'PY'
import sys
image = bytearray(open(sys.argv[1], 'rb').read())
image[2043] = 0xFA
image[2044] = (image[2044] & 0xE0) | 0x0B
open(sys.argv[2], 'wb').write(image)
PY
cp "$work/serial.bin" "$work/serial-original.bin"

# --- Session 1 (PS/2, PX2400): the scan code key, then the model switch ---------
e2e_start_editor 0 "$work/scan.bin"
e2e_focus_editor
keys a
rm -f "$work/scan.bin"
keys ctrl+s
e2e_wait_file "$work/scan.bin" 10 || fail "Ctrl+S did not save $work/scan.bin (the key was not in scan code mode?)"
sleep 0.3
same_file "typing a into the [F1][F2] key, then Save" "$work/scan.bin" "$work/scan-typed.bin"

menu b Up Return                       # Keyboard > DV3100 (the last entry)
e2e_dialog "Select Keyboard"
keys Return                            # Yes
e2e_focus_editor
[ "$(caption)" = "Template : DV3100 - Tessaly  Programmable Keyboard" ] ||
  fail "caption after the model switch is '$(caption)'"
keys ctrl+s                            # must ask for a name, not write scan.bin
e2e_dialog "Save As"
shot save-as
keys Escape
e2e_wait_gone "$dialog_id"
sleep 0.5
same_file "Save after the model switch" "$work/scan.bin" "$work/scan-typed.bin"
e2e_stop_editor

# --- Session 2 (USB, DV3100 from the switch): Config KB Properties, OK ----------
e2e_start_editor 1
e2e_focus_editor
[ "$(caption)" = "Template : DV3100 - Tessaly  Programmable Keyboard" ] ||
  fail "the second start is not on DV3100: '$(caption)'"
menu t l                               # Load...
e2e_dialog "Open"
xdotool type --delay 40 "serial.bin"
keys Return
e2e_wait_gone "$dialog_id"
menu c k                               # Config KB Properties
e2e_dialog "Config KB properties"
shot config-kb
keys Return                            # OK, nothing changed
e2e_wait_gone "$dialog_id"
e2e_focus_editor
rm -f "$work/serial.bin"
keys ctrl+s
e2e_wait_file "$work/serial.bin" 10 || fail "Ctrl+S did not save $work/serial.bin"
sleep 0.3
same_file "Config KB Properties over USB, OK, Save" "$work/serial.bin" "$work/serial-original.bin"
e2e_stop_editor

echo "$E2E_NAME: ok (screenshots in $out/datasafety-*.png)"
