# Shared parts of the end-to-end scripts (sourced, not run): a private Xvfb
# display without a window manager, private settings, the editor started on a
# simulated keyboard, bounded waits for windows and files, screenshots and
# pixel queries. The caller sets E2E_NAME first:
#
#   E2E_NAME=e2e_example
#   source "$(dirname "$0")/lib/e2e_common.sh"
#   e2e_init Xvfb xdotool import convert python3   # skips when vexa is not built
#   e2e_start_x
#   e2e_start_editor 0 "$template"                 # PS/2, opens a template
#
# Screenshots stay in $VEXA_BUILD_DIR/e2e/ (named $E2E_SHOT_PREFIX + name +
# .png); everything else lives in $work and is removed on exit.

E2E_LIB_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
out="${VEXA_BUILD_DIR:-/tmp}/e2e"
work=""
xvfb_pid="" vexa_pid="" e2e_watchdog_pid="" e2e_launcher_pid=""
E2E_SHOT_PREFIX="${E2E_SHOT_PREFIX:-}"
E2E_LOG="${E2E_LOG:-$out/${E2E_NAME}-vexa.log}"

fail() {
  echo "$E2E_NAME: $*" >&2
  if [ -n "${E2E_LOG:-}" ] && [ -s "$E2E_LOG" ]; then
    echo "$E2E_NAME: last lines of the editor's output ($E2E_LOG):" >&2
    tail -n 5 "$E2E_LOG" >&2
  fi
  echo "$E2E_NAME: screenshots kept in $out" >&2
  exit 1
}

e2e_cleanup() {
  if [ -n "${e2e_cleanup_extra:-}" ]; then eval "$e2e_cleanup_extra"; fi
  if [ -n "$e2e_watchdog_pid" ]; then kill "$e2e_watchdog_pid" 2>/dev/null || true; fi
  if [ -n "$e2e_launcher_pid" ]; then kill "$e2e_launcher_pid" 2>/dev/null || true; fi
  if [ -n "$vexa_pid" ]; then kill "$vexa_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then
    # Wait until the server has gone: one that is still shutting down removes
    # its socket files, which may by then belong to the next server on that
    # display number.
    kill "$xvfb_pid" 2>/dev/null || true
    local _
    for _ in $(seq 50); do kill -0 "$xvfb_pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [ -n "$work" ]; then rm -rf "$work"; fi
}

# e2e_init TOOL...: skips the test when the editor is not built, checks the
# tools, makes the directories and installs the clean-up.
e2e_init() {
  if [ -z "${VEXA_BIN:-}" ]; then
    echo "$E2E_NAME: skipped (the editor is not built: VEXA_BIN is empty)"
    exit 0
  fi
  local tool
  for tool in "$@"; do
    command -v "$tool" >/dev/null || { echo "$E2E_NAME: $tool is missing" >&2; exit 1; }
  done
  mkdir -p "$out"
  : >"$E2E_LOG"
  work="$(mktemp -d)"
  trap e2e_cleanup EXIT
  trap 'exit 1' TERM INT
}

# The watchdog of e2e_start_x: ends the whole run after E2E_TIME_LIMIT seconds
# (default 170). The X server goes first, which ends the editor and any xdotool
# waiting on it, so the script's own clean-up runs at once.
e2e_watchdog() {
  local parent=$$ limit=$1 server=$2
  (
    sleep "$limit" </dev/null >/dev/null 2>&1 &
    nap=$!
    trap 'kill $nap 2>/dev/null; exit 0' TERM
    wait "$nap"
    echo "$E2E_NAME: gave up after $limit seconds" >&2
    kill "$server" 2>/dev/null
    kill -TERM "$parent" 2>/dev/null
  ) &
  e2e_watchdog_pid=$!
}

# e2e_start_x: a private X server (E2E_SCREEN, default 1280x1024); the server picks a free display number
# itself, so scripts running side by side never share one. Also gives the run
# its own settings (the editor's model and recent files) and runtime directory.
# E2E_X_TIMEOUT: seconds the server may take to start (default 20).
e2e_start_x() {
  local fifo="$work/displayfd" display=""
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN:-1280x1024}x24" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  xvfb_pid=$!
  read -r -t "${E2E_X_TIMEOUT:-20}" display <"$fifo" || true
  [ -n "$display" ] || fail "Xvfb did not start"
  e2e_watchdog "${E2E_TIME_LIMIT:-170}" "$xvfb_pid"
  export DISPLAY=":$display"
  local _ ready=""
  for _ in $(seq 50); do
    if xdotool getmouselocation >/dev/null 2>&1; then ready=1; break; fi
    sleep 0.1
  done
  [ -n "$ready" ] || fail "Xvfb reported display :$display but does not answer there"

  export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
}

# e2e_wait_window TITLE-REGEX [SECONDS]: prints the id of the first visible
# window with that title, waiting for it at most SECONDS (default 20).
e2e_wait_window() {
  local id="" tries=$((${2:-20} * 10))
  while [ "$tries" -gt 0 ]; do
    id="$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)" || true
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    sleep 0.1
    tries=$((tries - 1))
  done
  fail "no window titled '$1' appeared"
}

# e2e_wait_gone WINDOW-ID [SECONDS]: waits until the window is no longer visible.
e2e_wait_gone() {
  local tries=$((${2:-20} * 10))
  while [ "$tries" -gt 0 ]; do
    xdotool search --onlyvisible --name '.' 2>/dev/null | grep -qx "$1" || return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  fail "window $1 ($(xdotool getwindowname "$1" 2>/dev/null)) is still open"
}

# e2e_dialog TITLE: waits for a dialog with exactly that title and gives it the
# keyboard focus (without a window manager nobody else does).
e2e_dialog() {
  dialog_id="$(e2e_wait_window "^$1\$")"
  xdotool windowfocus --sync "$dialog_id" 2>/dev/null || true
  sleep 0.2
}

# e2e_start_editor DOWNS [ARG...]: starts vexa in $work on the simulated
# keyboard $keyboard (default $work/keyboard.bin), or with E2E_PS2_DEVICE set
# on that node (--ps2-device) instead, or with E2E_REAL_DEVICES set on the
# real devices, answers the port dialog (Home, then
# DOWNS presses of Down: 0 = PS/2, 1 = USB), waits for the main window, puts
# it at (0,0) at 760 x 640 and finds the layout view ($view_x, $view_y). At
# 760 pixels across the view is exactly as wide as its layout: zoom 1, so the
# scripts' view coordinates are the layout's pixels.
e2e_start_editor() {
  local downs=$1
  shift
  keyboard="${keyboard:-$work/keyboard.bin}"
  # Under heavy parallel load the editor has been seen to fail its very first
  # connection to a display that answers other clients; such a start is tried
  # again, anything else is a failure.
  local attempt tries port="" device=(--simulate-keyboard "$keyboard")
  if [ -n "${E2E_PS2_DEVICE:-}" ]; then device=(--ps2-device "$E2E_PS2_DEVICE"); fi
  # The kernel test's editor talks to the real devices (keyboards made through uhid).
  if [ -n "${E2E_REAL_DEVICES:-}" ]; then device=(); fi
  for attempt in 1 2 3; do
    (cd "$work" && exec "$VEXA_BIN" "$@" "${device[@]}") >>"$E2E_LOG" 2>&1 &
    vexa_pid=$!
    for tries in $(seq 200); do
      port="$(xdotool search --onlyvisible --name '^Select Communication Port$' 2>/dev/null | head -n1)" || true
      [ -n "$port" ] && break
      kill -0 "$vexa_pid" 2>/dev/null || break
      sleep 0.1
    done
    [ -n "$port" ] && break
    wait "$vexa_pid" 2>/dev/null || true
    vexa_pid=""
    grep -q 'could not connect to display' "$E2E_LOG" || break
    echo "$E2E_NAME: the editor could not connect to $DISPLAY (attempt $attempt)" >&2
    sleep 0.5
  done
  [ -n "$port" ] || fail "the port dialog did not appear"
  e2e_dialog "Select Communication Port"
  local _
  xdotool key Home  # the list opens at the port chosen last time; count from PS/2
  for _ in $(seq "$downs"); do xdotool key Down; done
  xdotool key Return
  window="$(e2e_wait_window 'Programmable Keyboard$')"
  xdotool windowmove "$window" 0 0
  xdotool windowsize "$window" "${E2E_WIDTH:-760}" "${E2E_HEIGHT:-640}"
  sleep 1
  shot started
  # A zoomed view (E2E_ZOOMED=1, a window larger than the layout) is found by
  # the caller with "ppm.py zoom".
  [ -n "${E2E_ZOOMED:-}" ] && return 0
  read -r view_x view_y < <(python3 "$E2E_LIB_DIR/ppm.py" locate "$work/started.ppm") ||
    fail "the layout view is not on the screen"
}

# e2e_focus_editor: gives the main window the keyboard focus again.
e2e_focus_editor() {
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  sleep 0.2
}

# e2e_stop_editor: ends the editor without any question.
e2e_stop_editor() {
  if [ -n "$vexa_pid" ]; then
    kill "$vexa_pid" 2>/dev/null || true
    wait "$vexa_pid" 2>/dev/null || true
  fi
  vexa_pid=""
}

# e2e_wait_exit SECONDS: waits for the editor to end by itself; fails unless
# it ends in time with status 0.
e2e_wait_exit() {
  local tries=$(($1 * 10)) status=0
  while [ "$tries" -gt 0 ] && kill -0 "$vexa_pid" 2>/dev/null; do
    sleep 0.1
    tries=$((tries - 1))
  done
  kill -0 "$vexa_pid" 2>/dev/null && fail "the editor did not end within $1 seconds"
  wait "$vexa_pid" || status=$?
  vexa_pid=""
  [ "$status" -eq 0 ] || fail "the editor ended with status $status"
}

# e2e_wait_file FILE SECONDS [CONDITION...]: waits until FILE exists and the
# command CONDITION (if given) succeeds.
e2e_wait_file() {
  local file=$1 tries=$(($2 * 10))
  shift 2
  while [ "$tries" -gt 0 ]; do
    if [ -f "$file" ] && { [ $# -eq 0 ] || "$@" >/dev/null 2>&1; }; then return 0; fi
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}

# shot NAME: a screenshot of the whole screen, kept as PNG, and as PPM in $work
# for the pixel queries.
shot() {
  import -window root "$out/$E2E_SHOT_PREFIX$1.png"
  convert "$out/$E2E_SHOT_PREFIX$1.png" "$work/$1.ppm"
}

# Pixel queries on screenshot NAME, in view coordinates.
pixel() { python3 "$E2E_LIB_DIR/ppm.py" pixel "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3"; }
ink() { python3 "$E2E_LIB_DIR/ppm.py" ink "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3" "$4" "$5"; }
bluish() { python3 "$E2E_LIB_DIR/ppm.py" blue "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3" "$4" "$5"; }
# colour_count NAME X Y W H "R G B"
colour_count() {
  # shellcheck disable=SC2086
  python3 "$E2E_LIB_DIR/ppm.py" count "$work/$1.ppm" "$view_x" "$view_y" "$2" "$3" "$4" "$5" $6
}

# expect_pixel NAME X Y "R G B" WHAT
expect_pixel() {
  local got
  got="$(pixel "$1" "$2" "$3")"
  [ "$got" = "$4" ] || fail "$5: pixel ($2,$3) of $1.png is $got, expected $4"
}

# e2e_atspi_start: the accessibility bus on this test's own session bus (the
# script has run itself again under dbus-run-session first), with the editor's
# accessibility forced on; atspi VERB ... then drives the editor over it
# (lib/atspi.py). The clean-up stops the bus.
e2e_atspi_start() {
  local launcher=/usr/libexec/at-spi-bus-launcher
  [ -x "$launcher" ] || fail "at-spi2-core is missing ($launcher)"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "python3-pyatspi is missing"
  "$launcher" --launch-immediately >/dev/null 2>&1 &
  e2e_launcher_pid=$!
  sleep 1
  export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}
# /usr/bin/python3: the system's, which has pyatspi (not a python of the user's).
atspi() { /usr/bin/python3 "$E2E_LIB_DIR/atspi.py" "$@"; }

# Short helpers of the scripts that drive menus (a script may define its own).
cli() { "$VEXA_CLI" "$@"; }
keys() { xdotool key --delay 60 "$@"; sleep 0.2; }
menu() {  # MENU-KEY ENTRY-KEY...: opens a menu by its Alt mnemonic, then the keys
  local open=$1
  shift
  e2e_focus_editor
  keys "alt+$open"
  sleep 0.3
  keys "$@"
}
caption() { xdotool getwindowname "$window"; }

# same_file WHAT GOT EXPECTED: byte-for-byte comparison; on a difference the
# first differing bytes are shown and, when the script sets MODEL, the keys
# that differ.
same_file() {
  cmp -s "$2" "$3" && return 0
  echo "$E2E_NAME: $1: $2 differs from the expectation $3" >&2
  cmp -l "$2" "$3" 2>&1 | head -n 8 | sed 's/^/  offset(1-based) got expected (octal): /' >&2 || true
  if [ -n "${MODEL:-}" ]; then
    diff <(cli template show "$2" --model "$MODEL" 2>&1) <(cli template show "$3" --model "$MODEL" 2>&1) |
      head -n 12 >&2 || true
  fi
  fail "$1: files differ"
}

# field POSITION COLUMN, key_rect POSITION: a column of the key at that
# position, and its rectangle (left top width height), from the layout that
# the script saved with `vexa-cli layout` in $work/layout.tsv.
field() { awk -F'\t' -v p="$1" -v f="$2" '$1 == p { print $f }' "$work/layout.tsv"; }
key_rect() { echo "$(field "$1" 4) $(field "$1" 5) $(field "$1" 6) $(field "$1" 7)"; }
