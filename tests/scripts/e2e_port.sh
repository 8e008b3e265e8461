#!/usr/bin/env bash
# End-to-end first start and port choice with the real editor under Xvfb, on
# a simulated USB keyboard:
#   1. the port dialog preselects USB while a USB keyboard is connected
#      (Return alone chooses it; the settings keep Port=5);
#   2. Cancel opens the editor without a port; Read From KB then shows the
#      port dialog first and reads once it is answered;
#   3. "Don't ask at start" (Tab to the box, Space) takes the port at the next
#      start without the dialog; Configuration > Communication Port... shows it.
set -euo pipefail

E2E_NAME=e2e_port
E2E_SHOT_PREFIX=port-
export VEXA_SIM_NO_WAITS=1
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert python3
e2e_start_x
keyboard="$work/keyboard.bin"
cli template new "$keyboard"

start() {  # starts vexa; the caller answers the port dialog (or sees none)
  (cd "$work" && exec "$VEXA_BIN" --simulate-keyboard "$keyboard") >>"$E2E_LOG" 2>&1 &
  vexa_pid=$!
}
setting() { grep -rh "^$1=" "$XDG_CONFIG_HOME" 2>/dev/null | tail -n1; }
alive() { kill -0 "$vexa_pid" 2>/dev/null || fail "the editor ended: $*"; }

# --- 1. USB preselected ------------------------------------------------------
start
e2e_dialog "Select Communication Port"
xdotool key Return
window="$(e2e_wait_window 'Programmable Keyboard$')"
sleep 0.5
e2e_stop_editor
[ "$(setting Port)" = "Port=5" ] || fail "the preselected port was not USB: $(setting Port)"

# --- 2. Cancel: the editor without a port; Read From KB asks first ------------
start
e2e_dialog "Select Communication Port"
xdotool key Escape
window="$(e2e_wait_window 'Programmable Keyboard$')"
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 760 640
sleep 0.5
alive "after Cancel in the port dialog"
shot cancelled
menu c r  # Read From KB
e2e_dialog "Select Communication Port"
shot asked
xdotool key Return  # USB
sleep 1.5
alive "after the read"
xdotool search --onlyvisible --name '^Select Communication Port$' >/dev/null 2>&1 &&
  fail "the port dialog is still open"
e2e_stop_editor

# --- 3. "Don't ask at start" ---------------------------------------------------
start
e2e_dialog "Select Communication Port"
xdotool key Tab space Return
e2e_wait_window 'Programmable Keyboard$' >/dev/null
sleep 0.5
e2e_stop_editor
[ "$(setting PortDontAsk)" = "PortDontAsk=1" ] || fail "Don't ask at start was not kept: $(setting PortDontAsk)"
start
window="$(e2e_wait_window 'Programmable Keyboard$')"
xdotool search --onlyvisible --name '^Select Communication Port$' >/dev/null 2>&1 &&
  fail "the port dialog was shown although Don't ask at start is set"
xdotool windowmove "$window" 0 0
xdotool windowsize "$window" 760 640
sleep 0.5
menu c p  # Configuration > Communication Port...
e2e_dialog "Select Communication Port"
shot change
xdotool key Tab space Return  # the box cleared again
sleep 0.5
e2e_stop_editor
[ "$(setting PortDontAsk)" = "PortDontAsk=0" ] || fail "clearing the box was not kept: $(setting PortDontAsk)"

echo "e2e_port: ok (screenshots in $out)"
