#!/usr/bin/env bash
# vexa-cli's provisioning station and machine-readable output on simulated USB
# keyboards: keyboard watch (a .bin file that appears in the directory is a
# keyboard plugged in, one that goes is unplugged), its results, log, backups,
# Ctrl+C and --count; --json of list, detect, write --all and template diff;
# --if-different.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"
kbs="$work/kbs"

has() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(cat "$1")"; }
no_violation() { grep -q "protocol violation" "$1" && fail "$(grep "protocol violation" "$1")"; }
# valid_json FILE [lines]: the file is one JSON document, or one per line.
valid_json() {
  python3 - "$@" <<'PY' || fail "$1 is not valid JSON: $(cat "$1")"
import json, sys
text = open(sys.argv[1], encoding="utf-8").read()
if len(sys.argv) > 2:
    [json.loads(line) for line in text.splitlines()]
else:
    json.loads(text)
PY
}
# field FILE LINE KEY: a member of the JSON object on that line.
field() { python3 -c 'import json,sys; print(json.loads(open(sys.argv[1]).read().splitlines()[int(sys.argv[2])-1])[sys.argv[3]])' "$@"; }
# wait_lines FILE N: until FILE has N lines (at most 60 s).
wait_lines() {
  local i
  for ((i = 0; i < 600; i++)); do
    [ -f "$1" ] && [ "$(wc -l <"$1")" -ge "$2" ] && return 0
    sleep 0.1
  done
  fail "$1 never reached $2 lines: $(cat "$1")"
  return 1
}
reset() {
  rm -rf "$kbs" bk
  mkdir -p "$kbs"
  for k in "$@"; do { printf 'old%s' "$k"; tail -c +5 blank.bin; } >"$kbs/kb$k.bin"; done
}

"$VEXA_CLI" template new blank.bin || fail "template new"
{ printf 'Hi'; tail -c +3 blank.bin; } >hi.bin
sha=$(sha256sum hi.bin | cut -d' ' -f1)

# --- --json ------------------------------------------------------------------
reset 1 2
VEXA_SIM_DENY_OPEN=kb2 "$VEXA_CLI" keyboard list --json --simulate-keyboard "$kbs" >out 2>err || fail "list --json"
valid_json out
python3 -c 'import json; l=json.load(open("out")); assert [(k["serial"],k["state"],k["product"]) for k in l]==[("kb1","ready","PX2400U"),("kb2","no permission","PX2400U")], l' ||
  fail "list --json: $(cat out)"
VEXA_SIM_ABSENT=1 "$VEXA_CLI" keyboard list --json --simulate-keyboard "$kbs" >out 2>err || fail "list --json, none"
[ "$(cat out)" = "[]" ] || fail "list --json without keyboards: $(cat out)"
has err "There is no PX series keyboard connected!"
"$VEXA_CLI" keyboard detect --json --simulate-keyboard "$kbs" >out 2>err || fail "detect --json"
valid_json out
has out '"found":true,"port":"usb","path":"simulated:hidraw1:'
VEXA_SIM_ABSENT=1 "$VEXA_CLI" keyboard detect --json --simulate-keyboard "$kbs" >out 2>err
[ $? -eq 1 ] || fail "detect --json without a keyboard: exit status"
valid_json out
has out '"found":false'

# write --all --json --if-different: written, then unchanged, exit 0 both times.
"$VEXA_CLI" keyboard write hi.bin --all --json --if-different --simulate-keyboard "$kbs" >out 2>err || fail "write --all --json: $(cat err)"
valid_json out lines
[ "$(field out 1 result)" = written ] && [ "$(field out 2 result)" = written ] || fail "first write: $(cat out)"
[ "$(field out 1 sha256)" = "$sha" ] || fail "sha256: $(cat out)"
[ "$(field out 1 error)" = None ] || fail "error of a success: $(cat out)"
"$VEXA_CLI" keyboard write hi.bin --all --json --if-different --verify --simulate-keyboard "$kbs" >out 2>err || fail "second write"
[ "$(field out 1 result)" = unchanged ] && [ "$(field out 2 result)" = unchanged ] || fail "second write: $(cat out)"
no_violation err
# A failure: result failed, the message in error, exit 1.
reset 1 2
VEXA_SIM_FAIL_WRITE_AT_BLOCK=kb2:5 "$VEXA_CLI" keyboard write hi.bin --all --json --simulate-keyboard "$kbs" >out 2>err
[ $? -eq 1 ] || fail "write --all --json with a failure: exit status"
valid_json out lines
[ "$(field out 2 result)" = failed ] || fail "kb2: $(cat out)"
[[ "$(field out 2 error)" == *"Data Written Error, Count=5"* ]] || fail "kb2's error: $(cat out)"
# Single write --if-different.
cp hi.bin "$kbs/kb1.bin"
"$VEXA_CLI" keyboard write hi.bin --if-different --device "simulated:hidraw1:$kbs/kb1.bin" --simulate-keyboard "$kbs" >out 2>err || fail "write --if-different"
has err "unchanged: the keyboard already holds this template"
"$VEXA_CLI" keyboard write hi.bin --json --simulate-keyboard "$kbs" >/dev/null 2>&1
[ $? -eq 2 ] || fail "write --json without --all is not a usage error"

# template diff --json: the differing key, exit status as diff(1).
"$VEXA_CLI" template diff blank.bin hi.bin --json >out 2>err
[ $? -eq 1 ] || fail "template diff --json: exit status"
valid_json out
python3 -c 'import json; d=json.load(open("out")); k=d["keys"][0]; assert (k["a"],k["b"],k["label"])==("","Hi","K24") and isinstance(k["position"],int) and d["settings"]==[], d' ||
  fail "template diff --json: $(cat out)"
"$VEXA_CLI" template diff hi.bin hi.bin --json >out 2>err || fail "template diff --json, same"
[ "$(cat out)" = '{"keys":[],"settings":[]}' ] || fail "template diff --json, same: $(cat out)"

# --- watch ---------------------------------------------------------------------
# kb1 connected at the start, kb2 plugged in, unplugged and plugged in again,
# kb3 failing; Ctrl+C ends it: exit 1 (kb3 failed), each result once.
reset 1
rm -f wout werr
VEXA_SIM_FAIL_WRITE_AT_BLOCK=kb3:5 "$VEXA_CLI" keyboard watch hi.bin --verify --json --log station.log --backup bk \
  --simulate-keyboard "$kbs" >wout 2>werr &
pid=$!
wait_lines wout 1
cp blank.bin "$kbs/kb2.bin"
wait_lines wout 2
: >>"$kbs/kb2.bin" # its file closed again while plugged in: no second plug-in
cp blank.bin "$kbs/kb3.bin"
wait_lines wout 3
rm "$kbs/kb2.bin"
cp blank.bin "$kbs/kb2.bin"
wait_lines wout 4
kill -INT "$pid"
wait "$pid"
rc=$?
[ "$rc" -eq 1 ] || fail "watch with a failed keyboard: exit $rc ($(cat werr))"
valid_json wout lines
[ "$(wc -l <wout)" -eq 4 ] || fail "watch printed other than 4 results: $(cat wout)"
cmp -s wout station.log || fail "the log differs from the results: $(cat station.log)"
for n in 1 2 4; do [ "$(field wout $n result)" = verified ] || fail "result $n: $(sed -n ${n}p wout)"; done
[ "$(field wout 3 serial)" = kb3 ] && [ "$(field wout 3 result)" = failed ] || fail "kb3: $(sed -n 3p wout)"
[ "$(field wout 4 serial)" = kb2 ] || fail "kb2 plugged in again: $(sed -n 4p wout)"
has werr "0 written, 3 verified, 0 unchanged, 1 failed."
has werr "The template the keyboard held before is in bk/kb3.bin"
head -c 4 bk/kb1.bin | grep -q old1 || fail "kb1's backup"
[ -f bk/kb2.bin ] && [ -f bk/kb2-2.bin ] || fail "kb2's second backup replaced its first: $(ls bk)"
cmp -s "$kbs/kb1.bin" hi.bin && cmp -s "$kbs/kb2.bin" hi.bin || fail "kb1, kb2 not written"
no_violation werr

# --new-only --count 2: kb1 left alone, the run ends by itself after two, exit 0.
reset 1
rm -f wout werr
"$VEXA_CLI" keyboard watch hi.bin --new-only --count 2 --simulate-keyboard "$kbs" >wout 2>werr &
pid=$!
for i in $(seq 600); do grep -qs "Waiting for keyboards" werr && break; sleep 0.1; done
cp blank.bin "$kbs/kb2.bin"
cp blank.bin "$kbs/kb3.bin"
wait "$pid" || fail "watch --count 2: exit $? ($(cat werr))"
[ "$(cut -f2,3 wout | sort)" = $'kb2\twritten\nkb3\twritten' ] || fail "watch --count 2: $(cat wout)"
head -c 4 "$kbs/kb1.bin" | grep -q old1 || fail "--new-only wrote kb1"
has werr "2 written, 0 verified, 0 unchanged, 0 failed."

# --if-different in watch, and SIGTERM on an idle station: exit 0.
reset
cp hi.bin "$kbs/kb1.bin"
rm -f wout werr
"$VEXA_CLI" keyboard watch hi.bin --if-different --simulate-keyboard "$kbs" >wout 2>werr &
pid=$!
wait_lines wout 1
kill -TERM "$pid"
wait "$pid" || fail "watch after SIGTERM: exit $?"
has wout $'kb1\tunchanged'

for bad in "watch hi.bin --simulate-keyboard $kbs/kb1.bin" "watch hi.bin --count 0 --simulate-keyboard $kbs" \
  "watch hi.bin --port ps2" "watch --simulate-keyboard $kbs" "watch hi.bin --log= --simulate-keyboard $kbs"; do
  # shellcheck disable=SC2086
  "$VEXA_CLI" keyboard $bad >/dev/null 2>&1
  [ $? -eq 2 ] || fail "'$bad' is not a usage error"
done
# A template that fails its check: refused before anything is watched.
head -c 100 hi.bin >short.bin
"$VEXA_CLI" keyboard watch short.bin --simulate-keyboard "$kbs" >/dev/null 2>err
[ $? -eq 1 ] || fail "watch with a short template"
has err "short.bin"

[ "$failures" -eq 0 ] && echo "cli_watch: all passed"
exit $((failures > 0))
