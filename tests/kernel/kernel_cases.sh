#!/usr/bin/env bash
# The cases of the kernel test, run as root inside the VM (see vm_run.sh and
# kernel_vm.sh): vexa-cli and the editor over real hidraw nodes of keyboards
# made through uhid (vexa_uhid_keyboard), and the PS/2 port on the kernel's
# i8042 keyboard port with QEMU's PS/2 keyboard behind it. One line per case:
# "ok - NAME (Ns)", "FAIL - NAME: why" or "skip - NAME: why". Any protocol
# violation a keyboard records fails its case. Exit status 1 when any case
# failed.
#
# QEMU's keyboard answers 0xFE (resend) to the programmable keyboard's own
# commands, so every PS/2 transfer there ends in "No Programmable Keyboard
# detected!": the PS/2 cases judge who holds the port, not the transfer.
set -uo pipefail
: "${VEXA_CLI:?}" "${VEXA_UHID_KEYBOARD:?}" "${VEXA_SERIO_HELPER:?}"
export HOME=/tmp/home XDG_STATE_HOME=/tmp/home/state XDG_CONFIG_HOME=/tmp/home/config
mkdir -p "$HOME" "$XDG_STATE_HOME" "$XDG_CONFIG_HOME"
w=$(mktemp -d /tmp/cases.XXXXXX)
cd "$w" || exit 1
cli() { "$VEXA_CLI" "$@"; }

failed=0
case_failed=""
why() {  # WHY...: marks the running case failed (the first reason is shown)
  [ -n "$case_failed" ] || case_failed="$*"
  return 1
}
# VEXA_KERNEL_CASES=REGEX runs only the cases whose names match.
run_case() {  # NAME FUNCTION
  local name=$1 started=$SECONDS
  [[ "$name" =~ ${VEXA_KERNEL_CASES:-.} ]] || return 0
  case_failed=""
  "$2" || [ -n "$case_failed" ] || case_failed="failed"
  kb_stop_all
  if [ -n "$case_failed" ]; then
    echo "FAIL - $name: $case_failed"
    failed=$((failed + 1))
  else
    echo "ok - $name ($((SECONDS - started))s)"
  fi
}
skip_case() { echo "skip - $1: $2"; }

# --- uhid keyboards -------------------------------------------------------------
declare -A kb_pid=()
# kb_start NAME [OPTION...]: a keyboard (or with --foreign another device)
# whose memory is NAME.bin, serial NAME; waits for its hidraw node.
kb_start() {
  local name=$1
  shift
  rm -f "$name.node"
  "$VEXA_UHID_KEYBOARD" "$name.bin" --serial "$name" --node-file "$name.node" "$@" \
    >"$name.out" 2>"$name.err" &
  kb_pid[$name]=$!
  wait_until 30 test -s "$name.node" || why "$name: no hidraw node ($(cat "$name.err"))"
}
kb_node() { cat "$1.node"; }
# kb_present NAME N: the device has been there N times (plugged in, back).
kb_present() { [ "$(grep -c '^node' "$1.out")" -ge "$2" ]; }
# kb_stop NAME: removes the device; its recorded violations fail the case.
kb_stop() {
  local pid=${kb_pid[$1]:-} status=0
  [ -n "$pid" ] || return 0
  kill -TERM "$pid" 2>/dev/null
  wait "$pid" || status=$?
  unset "kb_pid[$1]"
  if [ "$status" -eq 3 ]; then
    sed 's/^/    /' "$1.err"
    why "$1 recorded protocol violations"
  elif [ "$status" -ne 0 ]; then
    why "$1 ended with status $status: $(tail -n 1 "$1.err")"
  fi
}
kb_stop_all() {
  local name
  for name in "${!kb_pid[@]}"; do kb_stop "$name" || true; done
}
wait_until() {  # SECONDS COMMAND...: polls the command every 0.1 s
  local tries=$(($1 * 10))
  shift
  while [ "$tries" -gt 0 ]; do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
    tries=$((tries - 1))
  done
  return 1
}
# Runs vexa-cli as an unprivileged user.
as_nobody() {
  setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/tmp/nobody XDG_STATE_HOME=/tmp/nobody/state \
    XDG_CONFIG_HOME=/tmp/nobody/config "$@"
}
mkdir -p /tmp/nobody && chown 65534:65534 /tmp/nobody

# A template with content, and the blank one the keyboards start with.
cli template new blank.bin
cli template export blank.bin blank.txt --model PX2400
sed '1s/,.*$/,uhid\r/; 2s/,.*$/,[F1][A]\r/' blank.txt >t.txt
cli template import t.txt t.bin --model PX2400 >/dev/null
sed '1s/,.*$/,second\r/' blank.txt >t2.txt
cli template import t2.txt t2.bin --model PX2400 >/dev/null

usb_single() {
  cp blank.bin kb1.bin
  kb_start kb1 || return 1
  local node out
  node=$(kb_node kb1)
  out=$(cli keyboard detect 2>&1) || why "detect failed: $out" || return 1
  grep -qx "found $node" <<<"$out" || why "detect printed: $out" || return 1
  out=$(cli keyboard write t.bin --verify 2>&1) || why "write --verify failed: $out" || return 1
  grep -q '^verified' <<<"$out" || why "write --verify printed: $out" || return 1
  out=$(cli keyboard read r.bin 2>&1) || why "read failed: $out" || return 1
  cmp -s r.bin t.bin || why "read gave another template than written" || return 1
  kb_stop kb1 || return 1
  cmp -s kb1.bin t.bin || why "the keyboard's memory is not the template written"
}

usb_many() {
  local k
  for k in kbA kbB kbC; do
    cp blank.bin $k.bin
    kb_start $k || return 1
  done
  kb_start bridge --foreign || return 1
  kb_start mouse --foreign --product "USB Optical Mouse" --vid 046d --pid c077 || return 1
  local out expected
  out=$(cli keyboard list 2>&1) || why "list failed: $out" || return 1
  expected=$(for k in kbA kbB kbC; do printf '%s\tPX2400U\t%s\tready\n' "$(kb_node $k)" $k; done | sort)
  [ "$(sort <<<"$out")" = "$expected" ] || why "list printed: $out" || return 1
  out=$(cli keyboard write t.bin --all 2>/dev/null) || why "write --all failed: $out" || return 1
  expected=$(for k in kbA kbB kbC; do printf '%s\t%s\twritten\n' "$(kb_node $k)" $k; done | sort)
  [ "$(sort <<<"$out")" = "$expected" ] || why "write --all printed: $out" || return 1
  kb_stop_all
  [ -z "$case_failed" ] || return 1
  for k in kbA kbB kbC; do cmp -s $k.bin t.bin || why "$k does not hold the template" || return 1; done
}

# Unplugged at block 20 of a write, back as itself: the write fails there,
# the next write finds it again and writes it whole.
usb_unplug_back() {
  cp blank.bin kbU.bin
  kb_start kbU --unplug-at-block 20 --back-as keyboard || return 1
  local out
  out=$(cli keyboard write t.bin 2>&1) && why "the write into an unplugged keyboard succeeded" || true
  grep -q 'Data Written Error, Count=20' <<<"$out" || why "the failed write printed: $out" || return 1
  wait_until 30 kb_present kbU 2 || why "the keyboard did not come back" || return 1
  out=$(cli keyboard write t2.bin 2>&1) || why "the write after the replug failed: $out" || return 1
  kb_stop kbU || return 1
  cmp -s kbU.bin t2.bin || why "the replugged keyboard does not hold the second template"
}

# Unplugged at block 10, back as a foreign device with the keyboard's vendor
# and product id: nothing is sent to it, detect finds no keyboard, and
# write --device to its node is refused.
usb_unplug_foreign() {
  cp blank.bin kbF.bin
  kb_start kbF --unplug-at-block 10 --back-as foreign || return 1
  local out node
  out=$(cli keyboard write t.bin 2>&1) && why "the write into an unplugged keyboard succeeded" || true
  grep -q 'Data Written Error, Count=10' <<<"$out" || why "the failed write printed: $out" || return 1
  wait_until 30 kb_present kbF 2 || why "the foreign device did not come" || return 1
  node=$(kb_node kbF)
  out=$(cli keyboard detect 2>&1) && why "detect found a keyboard in the foreign device: $out" || true
  grep -q "There is no PX series keyboard connected!" <<<"$out" || why "detect printed: $out" || return 1
  out=$(cli keyboard write t.bin --device "$node" 2>&1) && why "write --device $node succeeded: $out" || true
  grep -q "$node" <<<"$out" || why "write --device printed: $out" || return 1
}

# The keyboard removed and a foreign device created at the node it had.
usb_foreign_at_node() {
  cp blank.bin kbN.bin
  kb_start kbN || return 1
  local node out
  node=$(kb_node kbN)
  kb_stop kbN || return 1
  wait_until 10 test ! -e "$node" || why "$node stayed after the keyboard left" || return 1
  kb_start other --foreign || return 1
  [ "$(kb_node other)" = "$node" ] || why "the foreign device came at $(kb_node other), not at $node" || return 1
  out=$(cli keyboard write t.bin --device "$node" 2>&1) && why "write --device $node succeeded: $out" || true
  grep -q "$node" <<<"$out" || why "write --device printed: $out" || return 1
  out=$(cli keyboard read r.bin --device "$node" 2>&1) && why "read --device $node succeeded: $out" || true
  cmp -s kbN.bin blank.bin || why "the keyboard's memory changed"
}

# A node this user may not open: listed as such, and detect says why; once
# the node is opened to everyone the same user writes the keyboard.
usb_no_permission() {
  cp blank.bin kbP.bin
  kb_start kbP || return 1
  local node out
  node=$(kb_node kbP)
  out=$(as_nobody "$VEXA_CLI" keyboard list 2>&1) || why "list as nobody failed: $out" || return 1
  [ "$out" = "$(printf '%s\tPX2400U\tkbP\tno permission' "$node")" ] || why "list as nobody printed: $out" || return 1
  out=$(as_nobody "$VEXA_CLI" keyboard detect 2>&1) && why "detect as nobody succeeded: $out" || true
  grep -q "may not open it" <<<"$out" || why "detect as nobody printed: $out" || return 1
  chmod 0666 "$node"
  out=$(as_nobody "$VEXA_CLI" keyboard list 2>&1)
  [ "$out" = "$(printf '%s\tPX2400U\tkbP\tready' "$node")" ] || why "list with the node open printed: $out" || return 1
}

# The provisioning station with keyboards plugged in while it runs: one
# keyboard is there at the start, two more and a foreign device with the
# keyboard's vendor and product id are created after watch listens to the
# kernel's events. Watch ends after three keyboards (--count 3); each got the
# template, verified, once, and the audit log holds what stdout printed.
station() {
  local k pid
  cp blank.bin kbS1.bin
  kb_start kbS1 || return 1
  cli keyboard watch t.bin --json --verify --count 3 --log station.log >station.out 2>station.err &
  pid=$!
  if ! wait_until 30 grep -q 'Waiting for keyboards' station.err; then
    kill "$pid" 2>/dev/null
    why "watch did not start listening: $(tail -n 2 station.err)"
    return 1
  fi
  kb_start bridgeS --foreign || { kill "$pid"; return 1; }
  for k in kbS2 kbS3; do
    cp blank.bin $k.bin
    kb_start $k || { kill "$pid"; return 1; }
  done
  if ! wait_until 240 bash -c "! kill -0 $pid"; then
    kill -INT "$pid" 2>/dev/null
    why "watch did not end after three keyboards: $(tail -n 2 station.err)"
  fi
  wait "$pid" || why "watch ended with status $?: $(tail -n 2 station.err)" || return 1
  /usr/bin/python3 - station.out <<'PY' || why "watch printed: $(cat station.out)" || return 1
import json, sys
lines = [json.loads(line) for line in open(sys.argv[1]).read().splitlines()]
serials = sorted(line["serial"] for line in lines)
assert serials == ["kbS1", "kbS2", "kbS3"], serials
assert all(line["result"] == "verified" and line["path"].startswith("/dev/hidraw") for line in lines), lines
PY
  cmp -s station.log station.out || why "the audit log differs from what watch printed" || return 1
  for k in kbS1 kbS2 kbS3; do
    kb_stop $k || return 1
    cmp -s $k.bin t.bin || why "$k does not hold the template" || return 1
  done
  kb_stop bridgeS
}

# --- the editor over hidraw, under Xvfb ----------------------------------------------
# Write Into KB with the window painting meanwhile (the progress bar grows
# between two screenshots); then the keyboard is unplugged, a foreign device
# with the keyboard's vendor and product id takes the node it had, the
# keyboard comes back at another node, and a second Write Into KB must reach
# it (and nothing the foreign device).
editor_position() {  # MEMORY POSITION: the content there
  cli template show "$1" --model PX2400 | awk -F'\t' -v p="$2" '$1 == p { print $4 }'
}
editor_replug() (
  E2E_NAME=kernel_editor E2E_SHOT_PREFIX=kernel- E2E_TIME_LIMIT=300 E2E_X_TIMEOUT=90 VEXA_BUILD_DIR=$VEXA_VM_WORK
  # shellcheck source=../scripts/lib/e2e_common.sh
  source "$VEXA_SOURCE_DIR/tests/scripts/lib/e2e_common.sh"
  e2e_init Xvfb xdotool xwd import convert python3
  e2e_cleanup_extra='kb_stop_all'
  e2e_start_x
  cp "$w/blank.bin" "$w/kbE.bin"
  cd "$w" && kb_start kbE || fail "$case_failed"
  local first
  first=$(kb_node kbE)
  E2E_REAL_DEVICES=1 e2e_start_editor 1
  # A click right of the keyboard frame gives the view the focus.
  xdotool mousemove $((view_x + 745)) $((view_y + 150)) click 1
  sleep 0.5
  xdotool type --delay 80 "abc"
  menu c w
  # xwd grabs the screen at once (ImageMagick takes seconds to start here);
  # the grabs are turned into pictures after the write.
  sleep 2
  xwd -root -silent -out "$work/writing1.xwd"
  sleep 3
  xwd -root -silent -out "$work/writing2.xwd"
  # Pictures of the grabs while the rest goes on; judged at the end.
  local grab
  (for grab in writing1 writing2; do
    convert "xwd:$work/$grab.xwd" -strip "$work/$grab.ppm" && convert "$work/$grab.ppm" "$out/$E2E_SHOT_PREFIX$grab.png"
  done) &
  local pictures=$!
  wait_until 90 grep -qx "written 1" kbE.out || fail "the keyboard was not written whole"
  [ "$(editor_position kbE.bin 0)" = abc ] || fail "the keyboard does not hold 'abc' at position 0"
  # Unplugged; a foreign device takes the node; the keyboard comes back.
  kb_stop kbE || fail "$case_failed"
  wait_until 10 test ! -e "$first" || fail "$first stayed after the keyboard left"
  kb_start bridge --foreign || fail "$case_failed"
  [ "$(kb_node bridge)" = "$first" ] || fail "the foreign device came at $(kb_node bridge), not at $first"
  kb_start kbE || fail "$case_failed"
  e2e_focus_editor
  xdotool key shift+Right
  xdotool type --delay 80 "q"
  menu c w
  wait_until 90 grep -qx "written 1" kbE.out ||
    fail "the second write did not reach the keyboard at $(kb_node kbE): $(tail -n 3 "$E2E_LOG")"
  [ "$(editor_position kbE.bin 1)" = q ] || fail "position 1 of the keyboard holds '$(editor_position kbE.bin 1)'"
  [ "$(editor_position kbE.bin 0)" = abc ] || fail "position 0 lost its content"
  wait "$pictures" || fail "the grabs of the first write can't be read"
  local bar1 bar2
  bar1=$(bluish writing1 201 381 253 13)
  bar2=$(bluish writing2 201 381 253 13)
  [ "$(ink writing1 200 398 280 16)" -gt 40 ] || fail "no progress display during the first Write Into KB"
  [ "$bar2" -gt "$bar1" ] || fail "the window did not paint during the write (progress bar $bar1, then $bar2 pixels)"
  e2e_stop_editor
  kb_stop_all
  [ -z "$case_failed" ] || fail "$case_failed"
)

# --- PS/2 on the i8042 keyboard port ------------------------------------------------
kbd_port=""
for d in /sys/bus/serio/devices/serio*; do
  [ "$(cat "$d/description" 2>/dev/null)" = "i8042 KBD port" ] && kbd_port=$d
done
port_driver() { basename "$(readlink "$kbd_port/driver" 2>/dev/null)" 2>/dev/null; }
with_atkbd() { [ "$(port_driver)" = atkbd ]; }
# True while serio_raw holds the port (a test without a process: the poll
# below must see a bind that lasts well under a second).
with_serio_raw() { [ -e "/sys/bus/serio/drivers/serio_raw/${kbd_port##*/}" ]; }
# The times the kernel has handed the port to serio_raw so far.
raw_binds() { dmesg | grep -c "serio_raw .*: raw access enabled on"; }

ps2_detect() {
  with_atkbd || why "the port starts with $(port_driver), not atkbd" || return 1
  local before out
  before=$(raw_binds)
  out=$(cli keyboard detect --port ps2 2>&1) && why "detect found a programmable keyboard in QEMU's" || true
  grep -q "No Programmable Keyboard detected!" <<<"$out" || why "detect printed: $out" || return 1
  [ "$(raw_binds)" -gt "$before" ] || why "the port was never handed to serio_raw" || return 1
  with_atkbd || why "the port stayed with $(port_driver) after detect" || return 1
}

# start_ps2_write: a write in the background ($ps2_pid, under strace as
# $ps2_tracer), returned while it holds the port: QEMU's keyboard refuses
# every byte at once, so each byte the write sends (a write(2) of its own) is
# held back 100 ms to keep the exchange going for several seconds.
start_ps2_write() {
  strace -f -qq -o "${STRACE_LOG:-/dev/null}" -e trace=write -e inject=write:delay_enter=100000 \
    "$VEXA_CLI" keyboard write t.bin --port ps2 >ps2.out 2>&1 &
  ps2_tracer=$!
  wait_until 30 with_serio_raw || why "the write never handed the port to serio_raw: $(tail -n 1 ps2.out)" ||
    return 1
  ps2_pid=$(pgrep -P "$ps2_tracer" | head -n 1)
  sleep 1
  { [ -n "$ps2_pid" ] && kill -0 "$ps2_pid" 2>/dev/null && with_serio_raw; } && return 0
  why "the write ended before the signal: $(tail -n 1 ps2.out)"
  end_ps2_write
  return 1
}
# Waits for the write (and strace) to end, at most 20 s: strace has been
# seen to hang after a signal, which must not hold up the run.
ps2_write_over() {
  local state
  state=$(awk '{ print $3 }' "/proc/$ps2_tracer/stat" 2>/dev/null)
  [ -z "$state" ] || [ "$state" = Z ]
}
end_ps2_write() {
  # (bash's notice of a job ended by a signal goes nowhere)
  {
    wait_until 20 ps2_write_over || kill -KILL "$ps2_pid" "$ps2_tracer"
    wait "$ps2_tracer"
  } 2>/dev/null
}

ps2_sigkill() {
  with_atkbd || why "the port starts with $(port_driver)" || return 1
  start_ps2_write || return 1
  kill -KILL "$ps2_pid"
  end_ps2_write
  sleep 1
  with_serio_raw || why "after SIGKILL the port is with $(port_driver), not serio_raw" || return 1
  local out
  out=$(cli keyboard detect --port ps2 2>&1)
  wait_until 10 with_atkbd || why "the next run left the port with $(port_driver): $out" || return 1
}

ps2_signal() {  # SIGNAL
  with_atkbd || why "the port starts with $(port_driver)" || return 1
  start_ps2_write || return 1
  kill "-$1" "$ps2_pid"
  end_ps2_write
  wait_until 10 with_atkbd || why "after SIG$1 the port is with $(port_driver): $(tail -n 2 ps2.out)" || return 1
}
ps2_sigterm() { ps2_signal TERM; }
ps2_sigint() { ps2_signal INT; }
ps2_sighup() { ps2_signal HUP; }

# The reader of the output has gone before vexa-cli writes its first line.
ps2_closed_pipe() {
  with_atkbd || why "the port starts with $(port_driver)" || return 1
  local before status
  before=$(raw_binds)
  { cli keyboard write t.bin --port ps2 2>&1; echo "status $?" >pipe.status; } | true
  [ "$(raw_binds)" -gt "$before" ] || why "the port was never handed to serio_raw" || return 1
  status=$(cat pipe.status)
  wait_until 10 with_atkbd || why "with the output pipe closed the port stayed with $(port_driver) ($status)" ||
    return 1
}

ps2_helper() {
  with_atkbd || why "the port starts with $(port_driver)" || return 1
  # A restore makes the port's lock under /run/vexa; bind takes the caller's
  # lock as its standard input and refuses without it.
  "$VEXA_SERIO_HELPER" restore >/dev/null || why "the helper's first restore failed" || return 1
  local lock
  lock=$(ls /run/vexa/*.lock 2>/dev/null | head -n 1)
  [ -n "$lock" ] || why "the helper made no port lock under /run/vexa" || return 1
  if "$VEXA_SERIO_HELPER" bind </dev/null >/dev/null 2>&1; then
    why "the helper bound without the caller's lock"
    return 1
  fi
  with_atkbd || why "a refused bind left the port with $(port_driver)" || return 1
  "$VEXA_SERIO_HELPER" bind <"$lock" >/dev/null || why "the helper's bind failed" || return 1
  wait_until 10 with_serio_raw || why "after bind the port is with $(port_driver)" || return 1
  "$VEXA_SERIO_HELPER" restore >/dev/null || why "the helper's restore failed" || return 1
  wait_until 10 with_atkbd || why "after restore the port is with $(port_driver)" || return 1
}

ps2_unprivileged() {
  with_atkbd || why "the port starts with $(port_driver)" || return 1
  local before out
  before=$(raw_binds)
  out=$(as_nobody "$VEXA_CLI" keyboard detect --port ps2 2>&1) && why "detect as nobody succeeded: $out" || true
  grep -q "not running as root, and the helper" <<<"$out" || why "detect as nobody printed: $out" || return 1
  [ "$(raw_binds)" -eq "$before" ] || why "the port was handed to serio_raw" || return 1
  with_atkbd || why "the port is with $(port_driver)" || return 1
}

# The PS/2 cases run beside the USB ones (they share nothing; the USB cases
# mostly wait for the keyboard), their lines printed after them.
# A case that failed leaving the port away from atkbd: the helper gives it
# back, so the next case starts as it should.
run_ps2_case() {
  run_case "$@"
  with_atkbd || "$VEXA_SERIO_HELPER" restore >/dev/null 2>&1 || true
}
ps2_cases() {
  if [ -z "$kbd_port" ]; then
    echo "FAIL - PS/2: the kernel shows no i8042 KBD port"
    return 1
  fi
  run_ps2_case "PS/2: detect hands the port to serio_raw and back to atkbd" ps2_detect
  run_ps2_case "PS/2: SIGKILL during a transfer leaves serio_raw, the next run gives it back" ps2_sigkill
  run_ps2_case "PS/2: SIGTERM during a transfer gives the port back" ps2_sigterm
  run_ps2_case "PS/2: SIGINT during a transfer gives the port back" ps2_sigint
  run_ps2_case "PS/2: SIGHUP during a transfer gives the port back" ps2_sighup
  run_ps2_case "PS/2: a closed output pipe gives the port back" ps2_closed_pipe
  run_ps2_case "PS/2: the helper's bind and restore as root" ps2_helper
  run_ps2_case "PS/2: an unprivileged user without the helper" ps2_unprivileged
  [ "$failed" -eq 0 ]
}
mkdir -p ps2 && (cd ps2 && cp ../t.bin . && ps2_cases) >ps2.log 2>&1 &
ps2_lane=$!

run_case "vexa-cli over hidraw: detect, write --verify, read" usb_single
run_case "vexa-cli over hidraw: list and write --all, three keyboards beside foreign devices" usb_many
run_case "vexa-cli over hidraw: unplugged at a block, back as itself, written again" usb_unplug_back
run_case "vexa-cli over hidraw: unplugged at a block, back as a foreign device" usb_unplug_foreign
run_case "vexa-cli over hidraw: a foreign device at the keyboard's node, write --device refused" usb_foreign_at_node
run_case "vexa-cli over hidraw: a node the user may not open" usb_no_permission
if [ -n "${VEXA_BIN:-}" ]; then
  run_case "the editor over hidraw: Write Into KB painting, the keyboard replugged between two writes" editor_replug
else
  skip_case "the editor over hidraw" "the editor is not built"
fi

run_case "provisioning station with keyboards plugged in while it runs" station

if ! wait "$ps2_lane"; then
  ps2_failed=$(grep -c '^FAIL' ps2.log)
  failed=$((failed + (ps2_failed > 0 ? ps2_failed : 1)))
fi
cat ps2.log
echo "kernel cases: $failed failed"
[ "$failed" -eq 0 ]
