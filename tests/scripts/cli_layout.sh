#!/usr/bin/env bash
# vexa-cli layout: the listing of every model, the --model values it takes, the
# model the editor stored as the default, and its usage errors.
set -uo pipefail
: "${VEXA_CLI:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Keep the user's own settings out of the test.
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Every model: key count lines of 11 tab-separated fields, positions in order,
# and the name and the id give the same listing.
for entry in PX2400:2013:124 PX2100:2014:122 PX2200:2015:134 DV3500:2016:67 DV3100:2017:17 DV3300:2018:176; do
  IFS=: read -r name id count <<<"$entry"
  "$VEXA_CLI" layout --model "$name" >"$work/$name.txt" || fail "$name: exit $?"
  lines=$(wc -l <"$work/$name.txt")
  [ "$lines" -eq "$count" ] || fail "$name: $lines lines, expected $count"
  bad=$(awk -F'\t' -v n="$count" 'NF != 11 || $1 != NR - 1 ||
        $8 < 0 || $8 >= n || $9 < 0 || $9 >= n || $10 < 0 || $10 >= n || $11 < 0 || $11 >= n' "$work/$name.txt")
  [ -z "$bad" ] || fail "$name: malformed lines: $bad"
  "$VEXA_CLI" layout --model "$id" | cmp -s - "$work/$name.txt" || fail "$name: --model $id differs"
done

# Lines as the editor sees them: fields with an empty label, a backslash, a
# double quote, and the two-rows-high keypad key.
tab=$'\t'
expect_line() {
  grep -qxF "$2" "$work/$1.txt" || fail "$1: no line '${2//$tab/ }'"
}
expect_line PX2400 "41${tab}51${tab}Enter${tab}445${tab}200${tab}57${tab}25${tab}40${tab}68${tab}27${tab}53"
expect_line PX2400 "28${tab}28${tab}${tab}462${tab}170${tab}40${tab}30${tab}27${tab}29${tab}28${tab}28"
expect_line PX2400 "13${tab}87${tab}\\${tab}445${tab}140${tab}27${tab}25${tab}12${tab}14${tab}90${tab}41"
expect_line PX2100 "40${tab}93${tab}\"${tab}440${tab}200${tab}27${tab}25${tab}39${tab}41${tab}26${tab}52"
expect_line PX2200 "81${tab}16${tab}+${tab}682${tab}170${tab}27${tab}55${tab}80${tab}15${tab}88${tab}71"
expect_line DV3100 "0${tab}105${tab}K01${tab}100${tab}130${tab}69${tab}30${tab}5${tab}1${tab}6${tab}6"
expect_line DV3300 "175${tab}175${tab}V8${tab}680${tab}260${tab}25${tab}25${tab}167${tab}7${tab}174${tab}168"

# Without --model: the stored model, PX2400 when none is stored or the stored id
# is outside the table.
"$VEXA_CLI" layout | cmp -s - "$work/PX2400.txt" || fail "no stored model: not the PX2400 layout"
conf="$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/VEXA.conf"
mkdir -p "$(dirname "$conf")"
printf '[TSYKeyboard]\nVormen=2017\n' >"$conf"
"$VEXA_CLI" layout | cmp -s - "$work/DV3100.txt" || fail "stored 2017: not the DV3100 layout"
printf '[TSYKeyboard]\nVormen=2019\n' >"$conf"
"$VEXA_CLI" layout | cmp -s - "$work/PX2400.txt" || fail "stored 2019: not the PX2400 layout"
"$VEXA_CLI" layout --model DV3500 | cmp -s - "$work/DV3500.txt" || fail "--model does not win over the store"

# Usage errors: exit 2, a message on stderr, nothing on stdout.
for args in "--model PX9999" "--model 2012" "--model 2019" "--model" "--model ''" "extra" "--model DV3100 extra"; do
  eval "\"\$VEXA_CLI\" layout $args" >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 2 ] || fail "layout $args: exit $status, expected 2"
  [ -s "$work/err" ] || fail "layout $args: no message"
  [ ! -s "$work/out" ] || fail "layout $args: wrote to stdout"
done

# The help is read whole before grep looks at it: a grep -q that stops early
# could otherwise break the pipe under pipefail.
help=$("$VEXA_CLI" help layout)
grep -q -- "--model" <<<"$help" || fail "help layout does not describe --model"
help=$("$VEXA_CLI" layout --help)
grep -q "Examples" <<<"$help" || fail "layout --help has no examples"

[ "$failures" -eq 0 ] && echo "cli_layout: all checks passed"
exit $((failures > 0))
