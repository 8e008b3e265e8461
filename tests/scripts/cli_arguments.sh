#!/usr/bin/env bash
# vexa-cli argument syntax across the command groups: --opt=value and --opt value
# give the same result, usage errors (unknown option, missing value, a value
# after a flag, an option of another sub-command, a repeated option) exit 2
# before anything is done, and 8-bit bytes that are not UTF-8 reach the
# commands unchanged, in texts, file names and option values.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"

# run STATUS ARGS...: stdout in out, stderr in err.
run() {
  local status=$1
  shift
  "$VEXA_CLI" "$@" >out 2>err
  local rc=$?
  [ "$rc" -eq "$status" ] || fail "$*: exit $rc, expected $status ($(cat err))"
}

# --opt=value is the same as --opt value in every group.
run 0 layout --model DV3100 && cp out spaced.txt
run 0 layout --model=DV3100
cmp -s out spaced.txt || fail "layout --model=DV3100 differs from --model DV3100"
[ "$(wc -l <out)" -eq 17 ] || fail "layout --model=DV3100: not the 17 DV3100 keys"

run 0 template new blank.bin
run 0 template show blank.bin --model=DV3300
[ "$(wc -l <out)" -eq 177 ] || fail "template show --model=DV3300: not 176 keys and the total"
run 0 template export blank.bin eq.txt --model=2017
run 0 template export blank.bin sp.txt --model 2017
cmp -s eq.txt sp.txt || fail "template export --model=2017 differs from --model 2017"
printf 'K01,[F2]\r\n' >one.txt
run 0 template import one.txt based.bin --model=DV3100 --base=blank.bin
run 0 template show based.bin --model=DV3100
grep -qF $'\t[F2]' out || fail "template import --base=FILE: the key was not applied"

sim="$work/keyboard.bin"
run 0 keyboard detect --port=usb --simulate-keyboard="$sim"
grep -qF "found simulated:" out || fail "keyboard detect --port=usb --simulate-keyboard=FILE: $(cat out)"
[ -s "$sim" ] || fail "--simulate-keyboard=FILE did not create the keyboard's memory"
{ printf 'Hi'; tail -c +3 blank.bin; } >hi.bin
cp blank.bin "$sim"
run 0 keyboard write hi.bin --port=ps2 --verify --backup=before.bin --simulate-keyboard="$sim"
cmp -s "$sim" hi.bin || fail "keyboard write with --opt=value did not reach the keyboard"
cmp -s before.bin blank.bin || fail "--backup=FILE did not save the previous template"
# Options before the sub-command, and before the file.
run 0 keyboard --simulate-keyboard "$sim" read --port ps2 back.bin
cmp -s back.bin hi.bin || fail "keyboard read with the options first differs"

# Usage errors: exit 2, a message, nothing on stdout, nothing done.
usage() {
  local want=$1
  shift
  run 2 "$@"
  grep -qF -- "$want" err || fail "$*: message '$(cat err)', expected '$want'"
  [ ! -s out ] || fail "$*: wrote to stdout"
}
usage "missing value after '--model'" layout --model
usage "missing value after '--model'" template show blank.bin --model
usage "missing value after '--simulate-keyboard'" keyboard detect --simulate-keyboard
usage "unknown option '--port'" layout --port=usb
usage "unknown option '--frob'" template show blank.bin --frob
usage "unknown option '--frob'" keyboard detect --frob --simulate-keyboard "$sim"
usage "unknown option '--frob'" content --frob check a
usage "unknown option '--frob'" --frob
usage "unknown option '-x.bin'" template new -x.bin
usage "unexpected value after '--verify" keyboard write hi.bin --verify=yes --simulate-keyboard "$sim"
usage "option --verify belongs to 'keyboard write'" keyboard read x.bin --verify --simulate-keyboard "$sim"
usage "option --base belongs to 'template import'" template export blank.bin x.txt --base=blank.bin
usage "option --model is given more than once" layout --model=PX2400 --model DV3100
usage "--backup needs a file name" keyboard write blank.bin --backup= --simulate-keyboard "$sim"
usage "--simulate-keyboard needs a file name" keyboard write blank.bin --simulate-keyboard=
cmp -s "$sim" hi.bin || fail "a usage error changed the keyboard"
[ -e x.bin ] && fail "a usage error wrote x.bin"

# -- ends the options: a file name that begins with a dash.
run 0 template new -- -dash.bin
cmp -s -- -dash.bin blank.bin || fail "template new -- -dash.bin"

# Bytes that are not UTF-8 (and a UTF-8 pair, which must stay two bytes) pass
# through texts unchanged; a text that looks like an option is still a text.
run 0 content encode $'\xc3\xa9\xc3(\xff\x80'
[ "$(cat out)" == 'C3 A9 C3 28 FF 80' ] || fail "content encode of non-UTF-8 bytes: $(cat out)"
run 0 content check $'\xc3(' $'-\xe9' '--x'
[ "$(tr '\n' ' ' <out)" == 'ascii ascii ascii ' ] || fail "content check of non-UTF-8 bytes: $(cat out)"
run 0 content encode -5
[ "$(cat out)" == '2D 35' ] || fail "content encode -5: $(cat out)"

# ... and through file names given as operands and as option values.
name=$'t\xe9\xff\xc3.bin'
run 0 template new "$name"
cmp -s "$name" blank.bin || fail "template new: the non-UTF-8 file name changed"
run 0 template import one.txt "out-$name" --model=DV3100 --base="$name"
[ -f "out-$name" ] || fail "template import --base=NON-UTF-8: no output under the same bytes"
run 0 keyboard read "read-$name" --simulate-keyboard="$name.sim"
[ -f "$name.sim" ] || fail "--simulate-keyboard=NON-UTF-8: the memory file's name changed"

[ "$failures" -eq 0 ] && echo "cli_arguments: all passed"
exit $((failures > 0))
