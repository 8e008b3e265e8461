#!/usr/bin/env bash
# vexa-cli in the user's language: the help and the messages on stderr follow
# LANGUAGE, LC_ALL, LC_MESSAGES and LANG; LANG=C is English exactly; what
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

# English: no variable, C, POSIX, C.UTF-8, an English locale, and LANGUAGE
# with the C locale (gettext ignores LANGUAGE then) all give the same help.
run_in -- --help
cp out help.en
for vars in "LANG=C" "LC_ALL=POSIX" "LANG=C.UTF-8" "LANG=en_GB.UTF-8" "LANGUAGE=de LANG=C" \
  "LANGUAGE=en:de LANG=de_DE.UTF-8"; do
  # shellcheck disable=SC2086
  run_in $vars -- --help
  cmp -s out help.en || fail "$vars: the help is not the English one: $(head -3 out)"
done
has help.en "Usage: vexa-cli COMMAND [ARGUMENTS...]"

# Each shipped language has its own help, chosen by each variable in turn.
for language in de fr es; do
  run_in LANG="${language}_XX.UTF-8" -- --help
  cp out "help.$language"
  cmp -s "help.$language" help.en && fail "LANG=${language}_XX.UTF-8: the help is English"
  grep -q 'vexa-cli COMMAND' "help.$language" || fail "$language: the help lost its usage line"
  for vars in "LC_ALL=$language" "LC_MESSAGES=${language}_XX LANG=C" "LANGUAGE=$language:en LANG=en_US.UTF-8"; do
    # shellcheck disable=SC2086
    run_in $vars -- --help
    cmp -s out "help.$language" || fail "$vars: not the $language help: $(head -3 out)"
  done
done
# LC_ALL outranks LANG; the first language of LANGUAGE that VEXA has wins.
run_in LC_ALL=fr_FR.UTF-8 LANG=de_DE.UTF-8 -- --help
cmp -s out help.fr || fail "LC_ALL=fr over LANG=de: not French"
run_in LANGUAGE=xx:es:de LANG=de_DE.UTF-8 -- --help
cmp -s out help.es || fail "LANGUAGE=xx:es:de: not Spanish"
# A language VEXA has no translation for is English.
run_in LANG=ja_JP.UTF-8 -- --help
cmp -s out help.en || fail "LANG=ja_JP: not English"

# Messages on stderr: German, with the file name in its place.
run_in LANG=de_DE.UTF-8 -- template show missing.bin
[ "$rc" -eq 1 ] || fail "template show missing.bin: exit $rc"
grep -q 'missing.bin' err || fail "the German message lost the file name: $(cat err)"
run_in LANG=C -- template show missing.bin
cp err err.en
run_in LANG=de_DE.UTF-8 -- template show missing.bin
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
