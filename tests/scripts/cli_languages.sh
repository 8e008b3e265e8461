#!/usr/bin/env bash
# vexa-cli in the user's language: the help and the messages on stderr follow
# the environment; LANG=C is English exactly; what
# scripts read on standard output (tab-separated lists, JSON, key contents,
# templates) is the same in every language.
# shellcheck source=lib/cli_common.sh
source "$(dirname "$0")/lib/cli_common.sh"
unset LANGUAGE LC_ALL LC_MESSAGES LANG

# run_in LOCALE-ASSIGNMENTS... -- ARGS...: vexa-cli under those variables; stdout
# in out, stderr in err, the exit status in rc.
run_in() {
  local vars=()
  while [ "$1" != -- ]; do
    vars+=("$1")
    shift
  done
  shift
  env "${vars[@]}" "$VEXA_CLI" "$@" >raw 2>err
  rc=$?
  # The times of a write differ from run to run.
  sed -E 's/"(started|finished)":"[^"]*"/"\1":T/g' raw >out
}
has() { grep -qF -- "$2" "$1" || fail "$1 lacks '$2': $(head -5 "$1")"; }

# English without a variable and under LANG=C (the choice of the variables
# themselves is the unit tests' business); each shipped language has its own
# help, which keeps its usage line; LANGUAGE comes first where the locale is
# not C.
run_in -- --help
cp out help.en
has help.en "Usage: vexa-cli COMMAND [ARGUMENTS...]"
run_in LANGUAGE=de LANG=C -- --help
cmp -s out help.en || fail "LANG=C: the help is not the English one: $(head -3 out)"
for language in de fr es; do
  run_in LANG="${language}_XX.UTF-8" -- --help
  cp out "help.$language"
  cmp -s "help.$language" help.en && fail "LANG=${language}_XX.UTF-8: the help is English"
  grep -q 'vexa-cli COMMAND' "help.$language" || fail "$language: the help lost its usage line"
done
run_in LANGUAGE=xx:es:de LANG=de_DE.UTF-8 -- --help
cmp -s out help.es || fail "LANGUAGE=xx:es:de: not Spanish"

# Messages on stderr: German, with the file name and the option in their place.
run_in LANG=C -- template show missing.bin
cp err err.en
run_in LANG=de_DE.UTF-8 -- template show missing.bin
[ "$rc" -eq 1 ] || fail "template show missing.bin: exit $rc"
grep -q 'missing.bin' err || fail "the German message lost the file name: $(cat err)"
cmp -s err err.en && fail "the message is English under LANG=de_DE.UTF-8: $(cat err)"
run_in LANG=de_DE.UTF-8 -- --no-such-option
[ "$rc" -eq 2 ] || fail "a usage error: exit $rc"
grep -q -- '--no-such-option' err || fail "the German usage error lost the option: $(cat err)"

# Standard output that scripts read is not translated.
"$VEXA_CLI" template new blank.bin || fail "template new"
mkdir kbs
cp blank.bin kbs/kb1.bin
cp blank.bin kbs/kb2.bin
for args in "keyboard list --simulate-keyboard kbs" "keyboard list --json --simulate-keyboard kbs" \
  "keyboard write --all --json blank.bin --simulate-keyboard kbs" "layout --model PX2400" \
  "template show blank.bin" "content check Tea[CR] [F1]a [Nothing]" "content words" \
  "template diff blank.bin blank.bin --json"; do
  # shellcheck disable=SC2086
  run_in LANG=C -- $args
  cp out out.en
  for language in de fr es; do
    # shellcheck disable=SC2086
    run_in LANG="${language}_XX.UTF-8" -- $args
    cmp -s out out.en || fail "$language: '$args' printed other output: $(diff out.en out | head -5)"
  done
done

[ "$failures" -eq 0 ] && echo "cli_languages: all checks passed"
exit $((failures > 0))
