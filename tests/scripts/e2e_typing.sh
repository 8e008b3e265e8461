#!/usr/bin/env bash
# End-to-end key editing with the real editor under Xvfb, typed with xdotool:
#   position 0, ASCII mode: letters with and without Shift, a digit, Enter,
#     and Caps Lock alone and with Shift;
#   position 1: Set ScanCode Mode from the Key Edit menu, then a letter, the
#     [ key, Esc F1 and Esc Home;
#   position 2: Insert Delay Time and Enter ASCII Code through their dialogs;
#   position 3: position 0 copied and pasted, then Ctrl+Z and Ctrl+Y.
# The template is saved with Ctrl+S into the file the editor was started with,
# and its bytes are read back with vexa-cli template show.
# The screenshot is kept in $VEXA_BUILD_DIR/e2e/typing.png.
set -euo pipefail

if [ -z "${VEXA_BIN:-}" ]; then
  echo "e2e_typing: skipped (the editor is not built: VEXA_BIN is empty)"
  exit 0
fi
: "${VEXA_CLI:?}"
for tool in Xvfb xdotool import; do
  command -v "$tool" >/dev/null || { echo "e2e_typing: $tool is missing" >&2; exit 1; }
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
fail() { echo "e2e_typing: $*" >&2; exit 1; }

display=140
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" VEXA_SIM_NO_WAITS=1
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

template="$work/shop.bin"
"$VEXA_CLI" template new "$template"

(cd "$work" && exec "$VEXA_BIN" "$template" --simulate-keyboard "$work/keyboard.bin") >"$out/typing-vexa.log" 2>&1 &
vexa_pid=$!
dialog="$(xdotool search --sync --onlyvisible --name '^Select Communication Port$' | head -n1)"
xdotool windowfocus --sync "$dialog"
xdotool key Home Return  # PS/2 (a connected USB keyboard is preselected)
window="$(xdotool search --sync --onlyvisible --name 'Programmable Keyboard' | head -n1)"
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 760 640  # zoom 1: the layout's own pixels
xdotool windowfocus --sync "$window"
sleep 1

keys() { xdotool key --delay 60 "$@"; sleep 0.2; }
key_edit_menu() {  # a Key Edit menu entry by its mnemonic (or the keys that reach it)
  keys alt+k
  sleep 0.3
  keys "$@"
}
back_to_editor() {  # without a window manager the focus does not come back by itself
  xdotool windowfocus --sync "$window"
  sleep 0.2
}
dialog_up() {  # waits for a dialog by its title and gives it the focus
  local id
  id="$(xdotool search --sync --onlyvisible --name "^$1\$" | head -n1)"
  xdotool windowfocus --sync "$id"
  sleep 0.2
}

# Position 0 (ASCII mode).
keys shift+a b 1 Return
keys Caps_Lock x shift+y Caps_Lock
# Position 1: Set ScanCode Mode by its mnemonic, which no other entry of the
# Key Edit menu shares.
keys shift+Right
key_edit_menu s
keys a bracketleft Escape F1 Escape Home
# Position 2: the dialogs.
keys shift+Right
key_edit_menu d
dialog_up "Put Delay Time"
keys Up Up Return
back_to_editor
key_edit_menu e
dialog_up "Input ASCII Code"
keys 2 4 1 Return  # refused: the message box, then the dialog again
message="$(xdotool search --sync --onlyvisible --name '^VEXA$' | head -n1)"
xdotool windowfocus --sync "$message"
keys Return
dialog_up "Input ASCII Code"
keys ctrl+a 6 6 Return
back_to_editor
sleep 0.3
import -window root "$out/typing.png"
# Back on position 1: the scan code key and its mode are shown.
keys shift+Left
import -window root "$out/typing-scan.png"

keys ctrl+s
sleep 1

show="$("$VEXA_CLI" template show "$template" --model PX2400)"
content() { awk -F'\t' -v p="$1" '$1 == p { print $4 }' <<<"$show"; }
check() {  # POSITION EXPECTED
  [ "$(content "$1")" = "$2" ] || fail "position $1 holds '$(content "$1")', expected '$2'"
}
check 0 'Ab1[CR]Xy'
check 1 '[A][{][F1][Home]'
check 2 '[Delay3]B'

# The clipboard and the history from the keyboard: position 0 copied with
# Ctrl+C and pasted into position 3 with Ctrl+V; a letter typed after it is
# one step of its own, taken back with Ctrl+Z; Ctrl+Z takes back the paste,
# Ctrl+Y brings it again.
keys shift+Left ctrl+c shift+Right shift+Right shift+Right ctrl+v z
keys ctrl+z ctrl+s
sleep 1
show="$("$VEXA_CLI" template show "$template" --model PX2400)"
check 3 'Ab1[CR]Xy'
keys ctrl+z ctrl+s
sleep 1
show="$("$VEXA_CLI" template show "$template" --model PX2400)"
check 3 ''
keys ctrl+y ctrl+s
sleep 1
show="$("$VEXA_CLI" template show "$template" --model PX2400)"
check 3 'Ab1[CR]Xy'
check 0 'Ab1[CR]Xy'
kill "$vexa_pid"
wait "$vexa_pid" 2>/dev/null || true
vexa_pid=""

echo "e2e_typing: ok (screenshot in $out/typing.png)"
