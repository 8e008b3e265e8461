#!/usr/bin/env bash
# vexa-cli content: the answers of each sub-command on raw 8-bit texts, the exit
# status of refusals and usage errors, and the help.
set -uo pipefail
: "${VEXA_CLI:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS EXPECTED-STDOUT ARGS...
expect() {
  local status=$1 want=$2
  shift 2
  local got rc
  got=$("$VEXA_CLI" "$@" 2>"$work/err")
  rc=$?
  [ "$rc" -eq "$status" ] || fail "$*: exit $rc, expected $status ($(cat "$work/err"))"
  [ "$got" == "$want" ] || fail "$*: printed '$got', expected '$want'"
}

expect 0 $'ascii\nscancode\ninvalid\nascii\ninvalid' \
  content check 'Coffee[CR]' '[F1][Shift][A]' '[F1]a' '' '[Delay0]'
expect 0 'ascii' content check $'caf\xe9 \xff'
expect 0 'FF E0 2A E0 37 FD 05' content encode '[PrintScreen][Delay5]'
expect 0 '61 5B 62' content encode 'a[[b'
expect 0 '5D 0D' content encode '[CR]]]'
expect 0 '' content encode ''
expect 0 'E9 FF' content encode $'\xe9\xff'
expect 0 '2D 35' content encode -- '-5'
expect 0 '4' content length '[ShiftLevel3]'
expect 0 '0' content length ''
expect 0 '[F1][Separator][F2]' content decode 'FF 3B FE 3C'
expect 0 'A[CR]' content decode 410d
expect 0 '[A][0E0]' content decode FF 1E E0
expect 0 $'\r]]' content decode '0D 5D'
expect 0 '' content decode ''
expect 0 '[65][98][CR]' content decimal 'Ab[CR]'

# 8-bit bytes come back unchanged.
"$VEXA_CLI" content decode 'E9 80 FF' >"$work/raw" || fail "decode E9 80 FF: exit $?"
printf '\xe9\x80\xff\n' | cmp -s - "$work/raw" || fail "decode E9 80 FF: bytes changed"

# Refusals and usage errors: nothing on stdout, a message on stderr.
expect 1 '' content decimal '[F1]'
grep -qxF 'Wrong ASCII or function word!!' "$work/err" || fail "decimal [F1]: message '$(cat "$work/err")'"
for args in "content" "content nope" "content check" "content encode" "content encode a b" \
  "content length" "content decode" "content decode 4" "content decode 4G" "content decode 41_00" \
  "content decode 4100" "content decode 4 1" "content words x"; do
  # shellcheck disable=SC2086
  expect 2 '' $args
  [ -s "$work/err" ] || fail "$args: no message on stderr"
done

# Help: the group help with examples, reachable three ways; the key word list.
"$VEXA_CLI" help content >"$work/help" || fail "help content: exit $?"
grep -q '^Examples:' "$work/help" || fail "help content: no examples"
"$VEXA_CLI" content --help | cmp -s - "$work/help" || fail "content --help differs from help content"
"$VEXA_CLI" content encode --help | cmp -s - "$work/help" || fail "content encode --help differs"
"$VEXA_CLI" content words >"$work/words" || fail "content words: exit $?"
[ "$(head -c 8 "$work/words")" == ' Symbol:' ] || fail "content words: wrong first line"
grep -qF ' [PrintScreen]'$'\t\t''Function key <Print Screen>' "$work/words" || fail "content words: no [PrintScreen] row"

if [ "$failures" -ne 0 ]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "cli_content: all passed"
