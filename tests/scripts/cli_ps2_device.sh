#!/usr/bin/env bash
# vexa-cli keyboard --ps2-device against a pseudo-terminal that the keyboard
# emulator serves as the kernel's serio_raw node serves a real keyboard:
# detect, write with --verify, read, a keyboard that answers nothing, a bad
# checksum, a refused write completion, a node that is not there, usage
# errors, a closed pipe and a full disk for the output, and (under strace,
# where it can trace) never an ioperm or iopl.
# Also: the privileged helper refuses every call but its two verbs (only
# refusals are tried: a call it takes would write the real sysfs).
set -uo pipefail
: "${VEXA_CLI:?}" "${VEXA_PS2_EMULATOR:?}" "${VEXA_SERIO_HELPER:?}"
work=$(mktemp -d)
emulator=""
stop_keyboard() {
  if [ -n "$emulator" ]; then
    kill "$emulator" 2>/dev/null
    wait "$emulator" 2>/dev/null
    emulator=""
  fi
}
trap 'stop_keyboard; rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_STATE_HOME="$work/state" HOME="$work/home"
# The emulator is a program a busy machine may run late: each byte is waited
# for longer than from a real keyboard, except where nothing is to come.
export VEXA_SIM_NO_WAITS=1 VEXA_NO_REAL_PORTS=1 VEXA_SIM_PS2_BYTE_MS=1000
mkdir -p "$HOME"
cd "$work" || exit 1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
memory="$work/keyboard.bin"
node="$work/serio_raw0"

# start_keyboard [EMULATOR OPTIONS...]: a keyboard on $node whose memory is $memory.
start_keyboard() {
  stop_keyboard
  "$VEXA_PS2_EMULATOR" "$memory" "$node" "$@" >emulator.out 2>&1 &
  emulator=$!
  for _ in $(seq 200); do
    grep -q ready emulator.out && return 0
    sleep 0.05
  done
  fail "the keyboard emulator did not start: $(cat emulator.out)"
}

# run STATUS ARGS...: vexa-cli keyboard ARGS on the node; stdout in out, stderr in err.
run() {
  local status=$1
  shift
  "$VEXA_CLI" keyboard "$@" --ps2-device "$node" >out 2>err
  local rc=$?
  [ "$rc" -eq "$status" ] || fail "keyboard $* --ps2-device: exit $rc, expected $status ($(cat err))"
}
has() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(cat "$1")"; }

"$VEXA_CLI" template new blank.bin || fail "template new"
{ printf 'Hi'; tail -c +3 blank.bin; } >hi.bin

start_keyboard
run 0 detect
has out "found $node"
run 0 write hi.bin --verify
has err "100%"
has err "verified"
cmp -s "$memory" hi.bin || fail "the keyboard does not hold what was written"
run 0 read back.bin
cmp -s back.bin hi.bin || fail "the template read differs from the keyboard's"
run 0 write blank.bin --port ps2 --backup before.bin
cmp -s before.bin hi.bin || fail "the backup is not the keyboard's previous template"
cmp -s "$memory" blank.bin || fail "the write after the backup did not arrive"

# A keyboard that answers nothing: not found, nothing written.
start_keyboard --silent
VEXA_SIM_PS2_BYTE_MS=20 run 1 detect
has err "No Programmable Keyboard detected!"
VEXA_SIM_PS2_BYTE_MS=20 run 1 read x.bin
has err "Try to read again please!"
[ -e x.bin ] && fail "a read from a silent keyboard wrote its output file"
VEXA_SIM_PS2_BYTE_MS=20 run 1 write hi.bin
has err "Try to write Keyboard again please!"
cmp -s "$memory" blank.bin || fail "a silent keyboard's memory changed"

# Block 5 always answers with a wrong checksum: five attempts, then the message.
start_keyboard --bad-checksum-block 5
run 1 read x.bin
has err "Data Read Error, Count=5"
[ -e x.bin ] && fail "a failed read wrote its output file"

# The keyboard refuses to confirm block 12: the blocks before it are kept.
start_keyboard --refuse-write-block 12
run 1 write hi.bin
has err "Data Written Error, Count=12"
cmp -s -n 384 "$memory" hi.bin || fail "the blocks before the refused one were not kept"

# The program may never reach for the controller's I/O ports on this path.
start_keyboard
if command -v strace >/dev/null && strace -f -o /dev/null true 2>/dev/null; then
  # LeakSanitizer (in sanitizer builds) can't run under ptrace.
  ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    strace -f -e trace=ioperm,iopl -o trace.txt "$VEXA_CLI" keyboard write hi.bin --ps2-device "$node" >out 2>err ||
    fail "write under strace: $(cat err)"
  grep -E 'ioperm|iopl' trace.txt && fail "vexa-cli asked for I/O port access"
  cmp -s "$memory" hi.bin || fail "the write under strace did not arrive"
else
  echo "cli_ps2_device: strace can't trace here; the ioperm check is skipped"
fi

# A closed pipe (vexa-cli ... 2>&1 | head, once head has ended) is a write
# error, not the end of the program: the write goes on to its end.
"$VEXA_CLI" template new closed.bin --model DV3500 || fail "template new --model DV3500"
"$VEXA_CLI" keyboard write closed.bin --ps2-device "$node" 2>&1 | { exec 0<&-; }
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || fail "write into a closed pipe: exit $status, expected 0"
cmp -s "$memory" closed.bin || fail "the write into a closed pipe did not arrive"
# Output that can't be written is a failure, not a success.
"$VEXA_CLI" keyboard detect --ps2-device "$node" >/dev/full 2>err
status=$?
[ "$status" -eq 1 ] || fail "detect into a full disk: exit $status, expected 1"
has err "vexa-cli: the output could not be written"
stop_keyboard

# A node that is not there ends before anything is sent.
"$VEXA_CLI" keyboard read x.bin --ps2-device "$work/missing" >out 2>err
[ $? -eq 1 ] || fail "a missing node did not fail"
has err "Can't open the KB driver"
has err "the device $work/missing can't be opened (No such file or directory)"

# Usage errors.
for args in "--ps2-device=" "--port usb --ps2-device $node" "--ps2-device $node --simulate-keyboard $memory"; do
  # shellcheck disable=SC2086
  "$VEXA_CLI" keyboard detect $args >/dev/null 2>&1
  [ $? -eq 2 ] || fail "keyboard detect $args is not a usage error"
done
grep -q -- "--ps2-device NODE" <<<"$("$VEXA_CLI" help keyboard)" || fail "keyboard help lacks --ps2-device"

for args in "" "unbind" "bind serio0" "restore /sys/bus/serio/devices/serio1" "--help"; do
  # shellcheck disable=SC2086
  "$VEXA_SERIO_HELPER" $args >out 2>err
  status=$?
  [ "$status" -eq 2 ] || fail "vexa-serio-helper $args: exit $status, expected 2"
  has err "usage: vexa-serio-helper bind|restore"
  [ -s out ] && fail "vexa-serio-helper $args printed: $(cat out)"
done

[ "$failures" -eq 0 ] && echo "cli_ps2_device: all passed"
exit $((failures > 0))
