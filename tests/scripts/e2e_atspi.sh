#!/usr/bin/env bash
# The drawn keyboard through a real AT-SPI client, as a screen reader sees it:
# the editor under Xvfb with the accessibility bus of a private session bus.
# On the PX2400 every key of the layout is a child of the layout view, named
# by its label (as `vexa-cli layout` lists them) and placed on the screen
# where it is drawn; a real mouse click on a key selects it there, what is
# typed into it is read back as the selected key's description, and the
# press action of another key selects that key.
set -euo pipefail

E2E_NAME=e2e_atspi
E2E_SHOT_PREFIX=atspi-
if [ -z "${VEXA_IN_DBUS_SESSION:-}" ]; then
  # A private session bus, so the accessibility bus is this test's own.
  command -v dbus-run-session >/dev/null || { echo "$E2E_NAME: dbus-run-session is missing" >&2; exit 1; }
  VEXA_IN_DBUS_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3 /usr/bin/python3
: "${VEXA_CLI:?}"
e2e_start_x
e2e_atspi_start

MODEL=PX2400
cli layout --model "$MODEL" >"$work/layout.tsv"
app=VEXA  # the application name the editor gives itself
e2e_start_editor 0
e2e_focus_editor
if [ "$(caption)" != "Template : $MODEL - Tessaly  Programmable Keyboard" ]; then
  menu b Down Down Down Return  # PX2100 PX2200 [PX2400]
  e2e_dialog "Select Keyboard"
  keys Return
  e2e_focus_editor
fi
[ "$(caption)" = "Template : $MODEL - Tessaly  Programmable Keyboard" ] || fail "not on the $MODEL: '$(caption)'"
atspi wait "$app" 'Programmable Keyboard$' 30 >/dev/null || fail "the main window is not seen over AT-SPI"

# --- Every key, in position order: its label and its rectangle ---------------
atspi keys "$app" >"$work/keys.tsv" || fail "the layout view's keys could not be listed"
count=$(wc -l <"$work/layout.tsv")
[ "$(wc -l <"$work/keys.tsv")" -eq "$count" ] ||
  fail "the layout view has $(wc -l <"$work/keys.tsv") keys over AT-SPI, the $MODEL layout $count"
# The upper block of the L-shaped Enter key (position 28, no label) is part of
# the Enter key and named so.
awk -F'\t' -v x="$view_x" -v y="$view_y" 'BEGIN { OFS = "\t" }
  { name = $3; if ($1 == 28 && name == "") name = "Enter"; print name, x + $4, y + $5, $6, $7 }' \
  "$work/layout.tsv" >"$work/expected.tsv"
cut -f1,3-6 "$work/keys.tsv" >"$work/seen.tsv"
if ! diff "$work/expected.tsv" "$work/seen.tsv" >"$work/keys.diff"; then
  head -n 10 "$work/keys.diff" >&2
  fail "the keys over AT-SPI are not the $MODEL layout's labels and rectangles (expected < seen >)"
fi
missing=$(cut -f3 "$work/layout.tsv" | grep -v '^$' | sort -u | while read -r label; do
  cut -f1 "$work/keys.tsv" | grep -qxF -- "$label" || echo "$label"
done)
[ -z "$missing" ] || fail "keys not found by their label: $missing"
[ "$(cut -f2 "$work/keys.tsv" | tr -d '\n')" = "1$(printf '0%.0s' $(seq $((count - 1))))" ] ||
  fail "not exactly the first key selected at the start: $(cut -f2 "$work/keys.tsv" | tr -d '\n')"

# --- A real click selects a key; what is typed is read back ------------------
position=30
label=$(field "$position" 3)
read -r x y w h <<<"$(key_rect "$position")"
xdotool mousemove $((view_x + x + w / 2)) $((view_y + y + h / 2)) click 1
sleep 0.5
selected=$(atspi selected "$app") || fail "no selected key over AT-SPI"
[ "$(cut -f1 <<<"$selected")" = "$label" ] || fail "clicked $label, AT-SPI says '$selected' is selected"
keys T e a Return
selected=$(atspi selected "$app")
[ "$selected" = "$label	Tea[CR], ASCII mode" ] || fail "after typing Tea and Enter into $label: '$selected'"
shot typed

# --- The press action selects a key as a click does --------------------------
other=$(field 31 3)
atspi presskey "$app" "$other" || fail "the key $other could not be pressed over AT-SPI"
sleep 0.5
[ "$(atspi selected "$app")" = "$other	ASCII mode" ] || fail "pressing $other: '$(atspi selected "$app")'"
grep -q "^$label	0	.*	Tea\[CR\], ASCII mode\$" <(atspi keys "$app") ||
  fail "$label no longer reads its content once another key is selected"

e2e_stop_editor
echo "$E2E_NAME: ok"
