#!/usr/bin/env bash
# The editor as a native Wayland client: a headless weston, the editor started
# with QT_QPA_PLATFORM=wayland and no X display, and checks that the port
# dialog comes up, that pressing its OK (over AT-SPI, as assistive technology
# does: a headless compositor has no input devices) brings up the main window,
# and that the main window's Exit ends the editor. The client's own Wayland
# protocol log (WAYLAND_DEBUG) shows both windows as xdg toplevels with
# content attached.
set -euo pipefail

E2E_NAME=e2e_wayland
if [ -z "${VEXA_IN_DBUS_SESSION:-}" ]; then
  # A private session bus, so the accessibility bus is this test's own.
  command -v dbus-run-session >/dev/null || { echo "$E2E_NAME: dbus-run-session is missing" >&2; exit 1; }
  VEXA_IN_DBUS_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init weston /usr/bin/python3
atspi() { /usr/bin/python3 "$E2E_LIB_DIR/atspi.py" "$@"; }
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"
launcher=/usr/libexec/at-spi-bus-launcher
[ -x "$launcher" ] || fail "at-spi2-core is missing ($launcher)"
qt_plugins=$(/usr/bin/env qtpaths6 --plugin-dir 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
compgen -G "$qt_plugins/platforms/libqwayland*.so" >/dev/null || fail "Qt's Wayland platform plugin is missing (qt6-wayland)"

unset DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"

weston_pid="" launcher_pid=""
e2e_cleanup_extra='kill $launcher_pid $weston_pid 2>/dev/null || true'
socket=vexa-e2e
weston --backend=headless-backend.so --socket="$socket" --no-config --idle-time=0 \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { cat "$work/weston.log" >&2; fail "weston did not start"; }
export WAYLAND_DISPLAY=$socket

"$launcher" --launch-immediately >/dev/null 2>&1 &
launcher_pid=$!
sleep 1

protocol="$work/wayland.log"
(cd "$work" && QT_QPA_PLATFORM=wayland QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 WAYLAND_DEBUG=client \
  exec "$VEXA_BIN" --simulate-keyboard "$work/keyboard.bin") >"$protocol" 2>&1 &
vexa_pid=$!
E2E_LOG=$protocol

app=VEXA  # the application name the editor gives itself
atspi wait "$app" '^Select Communication Port$' 60 || fail "the port dialog did not come up"
atspi press "$app" '^Select Communication Port$' OK || fail "the port dialog's OK could not be pressed"
atspi wait "$app" 'Tessaly  Programmable Keyboard$' 30 || fail "the main window did not come up"
shown=$(atspi windows "$app")
[ "$(wc -l <<<"$shown")" -eq 1 ] || fail "windows showing besides the main window: $shown"

# Both windows are Wayland toplevels of their own (not XWayland windows). The
# log names objects as xdg_toplevel@12 (libwayland before 1.23) or
# xdg_toplevel#12.
titles=$(grep -E 'xdg_toplevel[@#][0-9]+\.set_title\(' "$protocol" | sed 's/.*set_title(//' | sort -u | tr '\n' ' ')
grep -qE 'xdg_toplevel[@#][0-9]+\.set_title\("Select Communication Port"\)' "$protocol" ||
  fail "the port dialog was no xdg toplevel (toplevel titles: ${titles:-none})"
grep -qE 'xdg_toplevel[@#][0-9]+\.set_title\(".*Tessaly  Programmable Keyboard"\)' "$protocol" ||
  fail "the main window was no xdg toplevel (toplevel titles: ${titles:-none})"
grep -qE 'wl_surface[@#][0-9]+\.attach\(wl_buffer[@#]' "$protocol" || fail "no window content was attached"

# Template -> Exit: nothing was changed, so the editor ends without a question.
atspi press "$app" 'Tessaly  Programmable Keyboard$' Exit || fail "Exit could not be chosen"
e2e_wait_exit 10
echo "$E2E_NAME: ok"
