#!/usr/bin/env bash
# vexa-cli keyboard against the simulated keyboard: detect, read, write with
# --verify and --backup on both ports, a keyboard unplugged in the middle,
# files refused before the keyboard is touched, and usage errors.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"
sim="$work/keyboard.bin"

# run STATUS ARGS...: runs vexa-cli with the simulated keyboard; stdout in out, stderr in err.
run() {
  local status=$1
  shift
  "$VEXA_CLI" keyboard "$@" --simulate-keyboard "$sim" >out 2>err
  local rc=$?
  [ "$rc" -eq "$status" ] || fail "keyboard $*: exit $rc, expected $status ($(cat err))"
}
has() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(cat "$1")"; }

# Two templates: the blank one and one whose first key slot holds "Hi".
"$VEXA_CLI" template new blank.bin || fail "template new"
{ printf 'Hi'; tail -c +3 blank.bin; } >hi.bin
[ "$(stat -c %s hi.bin)" -eq 2048 ] || fail "hi.bin is not 2048 bytes"

# detect creates the keyboard's memory with the blank template.
run 0 detect
has out "found simulated:"
cmp -s -n 2032 "$sim" blank.bin || fail "the simulated keyboard does not start blank"
[ "$(tail -c 3 "$sim" | od -An -tx1 | tr -d ' ')" == 55aad6 ] || fail "the simulated keyboard lacks the tail marker"

for port in usb ps2; do
  cp blank.bin "$sim"
  run 0 write hi.bin --port "$port" --verify
  cmp -s "$sim" hi.bin || fail "$port write did not reach the keyboard"
  has err "100%"
  has err "verified"
  run 0 read back.bin --port "$port"
  cmp -s back.bin hi.bin || fail "$port read differs from what was written"

  # --backup saves the keyboard's template before writing over it.
  run 0 write blank.bin --port "$port" --backup before.bin
  cmp -s before.bin hi.bin || fail "$port backup is not the previous template"
  cmp -s "$sim" blank.bin || fail "$port write after backup did not arrive"

  # Unplugged while reading: message, exit 1, the output file untouched.
  echo keep >kept.bin
  VEXA_SIM_UNPLUG_AT_BLOCK=30 run 1 read kept.bin --port "$port"
  has err "Data Read Error, Count=30"
  [ "$(cat kept.bin)" == keep ] || fail "$port failed read changed the output file"
  VEXA_SIM_UNPLUG_AT_BLOCK=0 run 1 read new.bin --port "$port"
  [ -e new.bin ] && fail "$port failed read created its output file"

  # Unplugged while writing: the blocks before it arrived, the rest did not.
  cp hi.bin "$sim"
  { head -c 960 blank.bin; printf 'X'; tail -c +962 blank.bin; } >x.bin
  VEXA_SIM_UNPLUG_AT_BLOCK=30 run 1 write x.bin --port "$port"
  has err "Data Written Error, Count=30"
  cmp -s -n 960 "$sim" x.bin || fail "$port blocks before the unplug were not kept"
  [ "$(tail -c +961 "$sim" | head -c 1 | od -An -c | tr -d ' ')" == X ] && fail "$port block 30 arrived after the unplug"

  # A write that fails half-way says the keyboard is torn and how to mend it.
  cp hi.bin "$sim"
  VEXA_SIM_FAIL_WRITE_AT_BLOCK=5 run 1 write blank.bin --port "$port"
  has err "Data Written Error, Count=5"
  has err "partly written template and must be written again before use"
  has err "saves the keyboard's template before a write"
  VEXA_SIM_FAIL_WRITE_AT_BLOCK=5 run 1 write blank.bin --port "$port" --backup torn-before.bin
  has err "partly written template"
  has err "is in torn-before.bin: 'vexa-cli keyboard write torn-before.bin' puts it back"
  run 0 write torn-before.bin --port "$port" --verify

    # A backup that fails leaves the keyboard untouched.
  cp hi.bin "$sim"
  VEXA_SIM_UNPLUG_AT_BLOCK=0 run 1 write blank.bin --port "$port" --backup b2.bin
  [ -e b2.bin ] && fail "$port failed backup was written"
  cmp -s "$sim" hi.bin || fail "$port keyboard written after a failed backup"

  # --verify names the blocks the keyboard did not keep.
  cp blank.bin "$sim"
  VEXA_SIM_FORGET_BLOCK=0 run 1 write hi.bin --port "$port" --verify
  has err "block(s) 0 differ"
done

# Files refused before the keyboard is touched.
cp hi.bin "$sim"
head -c 100 blank.bin >short.bin
run 1 write short.bin
has err "is too short (100 bytes"
cat blank.bin blank.bin >long.bin
run 1 write long.bin
has err "is too long (4096 bytes"
head -c 2048 /dev/zero | tr '\0' 'a' >noterm.bin
run 1 write noterm.bin
has err "can't be decoded"
run 1 write missing.bin
has err "can't be opened"
cmp -s "$sim" hi.bin || fail "a refused file changed the keyboard"

# --verbose shows the USB port's diagnostic lines; without it there are none.
run 0 detect --verbose
has err "DetectHIDDevice: HidDevice = 0"
has err "CheckHIDParam: VendorID = 0FA8"
run 0 detect
grep -q "CheckHIDParam" err && fail "diagnostic lines without --verbose"
grep -q "protocol violation" err && fail "the simulated keyboard saw a protocol violation"

# No keyboard, and a keyboard closed to this user.
VEXA_SIM_ABSENT=1 run 1 read x.bin --port ps2
has err "No Programmable Keyboard detected!"
VEXA_SIM_ABSENT=1 run 1 detect
has err "There is no PX series keyboard connected!"
VEXA_SIM_DENY_OPEN=1 run 1 detect
has err "70-vexa-keyboard.rules"

# A memory file that is not a keyboard memory.
echo short >"$sim"
run 1 read x.bin
has err "is not a keyboard memory (6 bytes"

# Usage errors.
"$VEXA_CLI" keyboard read >/dev/null 2>&1; [ $? -eq 2 ] || fail "read without a file is not a usage error"
"$VEXA_CLI" keyboard read x.bin --port serial >/dev/null 2>&1; [ $? -eq 2 ] || fail "--port serial accepted"
"$VEXA_CLI" keyboard erase >/dev/null 2>&1; [ $? -eq 2 ] || fail "unknown subcommand accepted"
grep -q "Examples:" <<<"$("$VEXA_CLI" help keyboard)" || fail "keyboard help has no examples"

[ "$failures" -eq 0 ] && echo "cli_keyboard: all passed"
exit $((failures > 0))
