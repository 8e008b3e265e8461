#!/usr/bin/env bash
# vexa-cli with several simulated USB keyboards (--simulate-keyboard DIR, one
# .bin file per keyboard): list with the keyboards' states, --device, and
# write --all with per-keyboard results, backups and exit status, while one
# keyboard is locked, one unplugged half-way and one not answering.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"
kbs="$work/kbs"

# run STATUS ARGS...: vexa-cli keyboard with the simulated keyboards; stdout in out, stderr in err.
run() {
  local status=$1
  shift
  "$VEXA_CLI" keyboard "$@" --simulate-keyboard "$kbs" >out 2>err
  local rc=$?
  [ "$rc" -eq "$status" ] || fail "keyboard $*: exit $rc, expected $status ($(cat err))"
  grep -q "protocol violation" err && fail "keyboard $*: $(grep "protocol violation" err)"
}
has() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(cat "$1")"; }
lacks() { grep -qF -- "$2" "$1" && fail "$1 has '$2': $(cat "$1")"; }
path_of() { echo "simulated:hidraw$1:$kbs/kb$1.bin"; }
# reset: four blank keyboards kb1..kb4, each holding a template of its own.
reset() {
  rm -rf "$kbs" backups
  mkdir -p "$kbs"
  for k in 1 2 3 4; do { printf 'old%s' "$k"; tail -c +5 blank.bin; } >"$kbs/kb$k.bin"; done
}

"$VEXA_CLI" template new blank.bin || fail "template new"
{ printf 'Hi'; tail -c +3 blank.bin; } >hi.bin
# A template that differs from hi.bin in block 30 only.
{ head -c 960 hi.bin; printf 'X'; tail -c +962 hi.bin; } >x.bin

# --- list ------------------------------------------------------------------
reset
VEXA_SIM_DENY_OPEN=kb2 VEXA_SIM_SILENT=kb4 run 0 list
printf '%s\tPX2400U\tkb1\tready\n%s\tPX2400U\tkb2\tno permission\n%s\tPX2400U\tkb3\tready\n%s\tPX2400U\tkb4\tnot answering\n' \
  "$(path_of 1)" "$(path_of 2)" "$(path_of 3)" "$(path_of 4)" >expected
cmp -s out expected || fail "list printed: $(cat out)"
[ -s err ] && fail "list said more than the list: $(cat err)"
# None connected: nothing on stdout, stderr says so, and still exit 0.
VEXA_SIM_ABSENT=1 run 0 list
[ -s out ] && fail "list without keyboards printed: $(cat out)"
has err "There is no PX series keyboard connected!"
"$VEXA_CLI" keyboard list --port ps2 --simulate-keyboard "$kbs" >/dev/null 2>err
[ $? -eq 2 ] || fail "list --port ps2 is not a usage error"
has err "the PS/2 port has one keyboard"

# --- --device --------------------------------------------------------------
reset
run 0 detect --device "$(path_of 3)"
has out "found $(path_of 3)"
run 0 write hi.bin --device "$(path_of 3)" --verify
cmp -s "$kbs/kb3.bin" hi.bin || fail "--device write did not reach kb3"
for k in 1 2 4; do cmp -s "$kbs/kb$k.bin" hi.bin && fail "--device write reached kb$k"; done
run 0 read back.bin --device "$(path_of 2)"
head -c 4 back.bin | grep -q old2 || fail "--device read did not read kb2"
# Without --device the first keyboard is used, and the others are named.
run 0 detect
has out "found $(path_of 1)"
has err "4 PX series keyboards are connected; this uses $(path_of 1)"
# A path that is no keyboard, and a locked one: refused, nothing sent.
reset
run 1 write hi.bin --device /dev/hidraw99
has err "The device </dev/hidraw99> is not a PX series keyboard connected to this computer!"
has err "'vexa-cli keyboard list' shows the keyboards connected."
run 1 write hi.bin --device simulated:hidraw0
has err "is not a PX series keyboard"
VEXA_SIM_DENY_OPEN=kb2 run 1 write hi.bin --device "$(path_of 2)"
has err "this user may not open it"
for k in 1 2 3 4; do cmp -s "$kbs/kb$k.bin" hi.bin && fail "a refused --device write reached kb$k"; done
"$VEXA_CLI" keyboard read x.bin --device "$(path_of 1)" --port ps2 --simulate-keyboard "$kbs" >/dev/null 2>&1
[ $? -eq 2 ] || fail "--device with --port ps2 is not a usage error"

# --- write --all -------------------------------------------------------------
# Every keyboard written and verified, one backup per keyboard by serial.
reset
run 0 write hi.bin --all --verify --backup backups
printf '%s\tkb1\tverified\n%s\tkb2\tverified\n%s\tkb3\tverified\n%s\tkb4\tverified\n' \
  "$(path_of 1)" "$(path_of 2)" "$(path_of 3)" "$(path_of 4)" >expected
cmp -s out expected || fail "write --all summary: $(cat out)"
for k in 1 2 3 4; do
  cmp -s "$kbs/kb$k.bin" hi.bin || fail "write --all did not reach kb$k"
  head -c 4 "backups/kb$k.bin" | grep -q "old$k" || fail "backups/kb$k.bin is not kb$k's previous template"
done
# Plain progress lines (stderr is no terminal): no cursor movement.
grep -q $'\x1b' err && fail "control characters in progress that goes to a file"
has err "kb3  Writing data into keyboard 100%"

# One locked, one unplugged half-way through the write, one not answering:
# the others are written all the same, each keyboard has its own result, exit 1.
reset
cp hi.bin "$kbs/kb1.bin"
for k in 2 3 4; do cp hi.bin "$kbs/kb$k.bin"; done
VEXA_SIM_DENY_OPEN=kb2 VEXA_SIM_UNPLUG_AT_BLOCK=kb3:30 VEXA_SIM_SILENT=kb4 run 1 write x.bin --all
sed -n 1p out | grep -qF "$(path_of 1)"$'\tkb1\twritten' || fail "kb1: $(sed -n 1p out)"
sed -n 2p out | grep -qF "$(path_of 2)"$'\tkb2\tA PX series keyboard was found, but this user may not open it' ||
  fail "kb2: $(sed -n 2p out)"
sed -n 3p out | grep -qF "$(path_of 3)"$'\tkb3\tData Written Error, Count=30 The keyboard now holds a partly written template' ||
  fail "kb3: $(sed -n 3p out)"
sed -n 4p out | grep -qF "$(path_of 4)"$'\tkb4\tThe PX series keyboard at <'"$(path_of 4)"'> does not answer!' ||
  fail "kb4: $(sed -n 4p out)"
[ "$(wc -l <out)" -eq 4 ] || fail "the summary has other than 4 lines: $(cat out)"
cmp -s "$kbs/kb1.bin" x.bin || fail "kb1 was not written beside the failing keyboards"
cmp -s "$kbs/kb2.bin" hi.bin || fail "the locked kb2 changed"
cmp -s "$kbs/kb4.bin" hi.bin || fail "the silent kb4 changed"
# kb3: the blocks before 30 written (they are the same), block 30 never arrived.
cmp -s "$kbs/kb3.bin" hi.bin || fail "kb3 holds more than the blocks before the unplug"
has err "Write it again, or another template"

# With backups: the torn keyboard's message names its backup and how to put it back.
reset
VEXA_SIM_FAIL_WRITE_AT_BLOCK=kb2:5 run 1 write hi.bin --all --backup backups
has out $'kb2\tData Written Error, Count=5'
has err "The template the keyboard held before is in backups/kb2.bin: 'vexa-cli keyboard write backups/kb2.bin --device $(path_of 2)' puts it back."
run 0 write backups/kb2.bin --device "$(path_of 2)" --verify
head -c 4 "$kbs/kb2.bin" | grep -q old2 || fail "the backup did not put kb2 back"

# A keyboard whose backup can't be read is not written.
reset
VEXA_SIM_UNPLUG_AT_BLOCK=kb4:10 run 1 write hi.bin --all --backup backups
has out $'kb4\tData Read Error, Count=10 The keyboard\'s template could not be read for its backup: nothing was written.'
head -c 4 "$kbs/kb4.bin" | grep -q old4 || fail "kb4 was written without its backup"
cmp -s "$kbs/kb1.bin" hi.bin || fail "kb1 was not written"
[ -e backups/kb4.bin ] && fail "a backup was saved for kb4"

# A backup directory that can't be made: refused before anything is sent.
reset
echo file >notadir
run 1 write hi.bin --all --backup notadir/sub
has err "The backup directory: <notadir/sub> can't be created !!"
for k in 1 2 3 4; do head -c 4 "$kbs/kb$k.bin" | grep -q "old$k" || fail "kb$k written after a refused backup directory"; done

# No keyboard at all, and the usage errors.
VEXA_SIM_ABSENT=1 run 1 write hi.bin --all
has err "There is no PX series keyboard connected!"
for bad in "write hi.bin --all --port ps2" "write hi.bin --all --device x" "read x.bin --all" "write hi.bin --all --backup="; do
  # shellcheck disable=SC2086
  "$VEXA_CLI" keyboard $bad --simulate-keyboard "$kbs" >/dev/null 2>&1
  [ $? -eq 2 ] || fail "'$bad' is not a usage error"
done
# A directory without memory files.
mkdir -p empty
"$VEXA_CLI" keyboard list --simulate-keyboard empty >/dev/null 2>err
[ $? -eq 1 ] || fail "an empty simulation directory was accepted"
has err "holds no .bin file"
grep -q "PS/2 port stays one keyboard" <<<"$("$VEXA_CLI" help keyboard)" || fail "the help does not say PS/2 stays one keyboard"

[ "$failures" -eq 0 ] && echo "cli_keyboards_many: all passed"
exit $((failures > 0))
