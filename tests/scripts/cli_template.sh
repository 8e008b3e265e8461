#!/usr/bin/env bash
# vexa-cli template: new, show, export and import as integrators script them,
# with the editor's stored model taken from a private settings directory.
set -uo pipefail
: "${VEXA_CLI:?}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" HOME="$work/home"
mkdir -p "$HOME"
cd "$work" || exit 1

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# run EXPECTED_STATUS CMD...: runs vexa-cli, keeps stdout in $out and stderr in $err.
run() {
  local want=$1
  shift
  "$VEXA_CLI" "$@" >"$work/stdout" 2>"$work/stderr"
  local got=$?
  out=$(cat "$work/stdout")
  err=$(cat "$work/stderr")
  [ "$got" = "$want" ] || fail "vexa-cli $* exited $got, expected $want (stderr: $err)"
}
has() { grep -qF -- "$2" <<<"$1" || fail "expected '$2' in: $1"; }

# A new template: content area zero, settings area initial, group index 32..160, tail.
{
  head -c 1968 /dev/zero
  head -c 64 /dev/zero | tr '\0' '\377'
  printf '\040\000\100\000\140\000\200\000\240\000\002\352\326\125\252\326'
} >expected.bin
run 0 template new new.bin
cmp -s new.bin expected.bin || fail "template new wrote other bytes than a new template"

# Without a stored model the PX2400 layout applies; the editor's stored model wins next.
run 0 template show new.bin
[ "$(wc -l <<<"$out")" = 125 ] || fail "PX2400 show should list 124 keys and the total"
has "$out" "Total space left (bytes): 1792"
mkdir -p "$XDG_CONFIG_HOME/Local AppWizard-Generated Applications"
printf '[TSYKeyboard]\nVormen=2017\n' >"$XDG_CONFIG_HOME/Local AppWizard-Generated Applications/VEXA.conf"
run 0 template show new.bin
[ "$(wc -l <<<"$out")" = 18 ] || fail "stored DV3100 should list 17 keys, got: $out"
run 0 template show new.bin --model DV3300
[ "$(wc -l <<<"$out")" = 177 ] || fail "--model DV3300 should list 176 keys"

# Export: one CR LF line per key of the model.
run 0 template export new.bin new.txt --model DV3100
[ "$(wc -l <new.txt)" = 17 ] || fail "DV3100 export should have 17 lines"
[ "$(grep -c $'\r$' new.txt)" = 17 ] || fail "export lines should end in CR LF"

# Import with commas, backslashes and an 8-bit byte, then show and export again.
sed '1s/,.*/,a\\,b\\\\c\xe9\r/;2s/,.*/,[F1][A]\r/' new.txt >edited.txt
run 0 template import edited.txt edited.bin --model DV3100
run 0 template show edited.bin --model DV3100
has "$out" $'\ta,b\\c\xe9'
has "$out" $'\t[F1][A]'
run 0 template export edited.bin again.txt --model DV3100
cmp -s edited.txt again.txt || fail "export after import differs from the imported file"

# Applied onto a base template: the base's other keys and settings survive.
printf 'X,[F2]\r\n' >one.txt
run 0 template import one.txt based.bin --model DV3100 --base edited.bin
has "$err" "The number of rows in the text file is wrong"
run 0 template show based.bin --model DV3100
has "$out" $'\t[F2]'
has "$out" $'\t[F1][A]'

# An invalid key: the message, the key's position, label and content; nothing written.
sed '3s/,.*/,[F1]a\r/' new.txt >bad.txt
run 1 template import bad.txt bad.bin --model DV3100
has "$err" "Wrong function word or scan code word!!"
has "$err" "position 2"
has "$err" "[F1]a"
[ -e bad.bin ] && fail "an invalid import must write nothing"

# Refused and failed file operations.
run 1 template import missing.txt x.bin
has "$err" "The text file: <missing.txt> is NOT in the directory !!"
head -c 100 /dev/zero >short.bin
run 1 template show short.bin
has "$err" "The template file: <short.bin> is too short (100 bytes; a template has 2048)!!"
run 1 template import new.txt x.bin --base nothere.bin
has "$err" "The template file: <nothere.bin> can't be opened !!"
run 1 template new no/such/dir.bin
has "$err" "The template file: <no/such/dir.bin> can't be written !!"
run 1 template export new.bin no/such/out.txt
has "$err" "The text file: <no/such/out.txt> can't be written !!"
# A FIFO (or a device) is refused at once: reading it would wait for a writer.
mkfifo pipe
for cmd in "template show pipe" "template import pipe x.bin" "keyboard write pipe --simulate-keyboard sim.bin"; do
  # shellcheck disable=SC2086
  VEXA_NO_REAL_PORTS=1 timeout 10 "$VEXA_CLI" $cmd >"$work/stdout" 2>"$work/stderr"
  got=$?
  [ "$got" = 1 ] || fail "vexa-cli $cmd on a FIFO exited $got, expected 1 (124: it waited)"
done
has "$(cat "$work/stderr")" "The template file: <pipe> can't be opened !!"
[ -e x.bin ] || [ -e sim.bin ] && fail "a FIFO given as a template wrote a file"

# Render: the legend sheet by the extension, with no display and nothing on stderr.
for ext in svg png pdf; do
  env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$VEXA_CLI" template render edited.bin "sheet.$ext" \
    --model DV3100 >"$work/stdout" 2>"$work/stderr" || fail "template render to .$ext failed: $(cat "$work/stderr")"
  [ -s "$work/stderr" ] && fail "template render to .$ext wrote to stderr: $(cat "$work/stderr")"
done
grep -q '\[F1\]\[A\]' sheet.svg || fail "the SVG lacks the content [F1][A]"
[ "$(head -c 8 sheet.png | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] || fail "sheet.png is not a PNG"
[ "$(head -c 5 sheet.pdf)" = "%PDF-" ] || fail "sheet.pdf is not a PDF"
run 1 template render edited.bin sheet.jpg
has "$err" "The picture file: <sheet.jpg> must be named .svg, .png or .pdf !!"
[ -e sheet.jpg ] && fail "a refused render must write nothing"
run 1 template render missing.bin sheet.svg
has "$err" "The template file: <missing.bin> can't be opened !!"
run 2 template render edited.bin

# Diff: exit status as diff(1), one line per differing key, then the settings by name.
run 0 template diff edited.bin edited.bin --model DV3100
[ -z "$out" ] || fail "identical templates should print nothing, got: $out"
run 1 template diff new.bin edited.bin --model DV3100
[ "$(wc -l <<<"$out")" = 2 ] || fail "two keys differ, got: $out"
has "$out" $'\t\ta,b\\c\xe9'
has "$out" $'\t\t[F1][A]'
cp new.bin beep.bin
printf '\xaa' | dd of=beep.bin bs=1 seek=2043 conv=notrunc status=none  # key beep off
run 1 template diff new.bin beep.bin --model DV3100
[ "$out" = $'Enable beeping when a key typed\ton\toff' ] || fail "unexpected settings diff: $out"
run 2 template diff new.bin missing.bin
has "$err" "The template file: <missing.bin> can't be opened !!"
run 2 template diff new.bin short.bin
run 2 template diff new.bin
run 2 template diff new.bin edited.bin --model PX9999

# Templates in git with readable diffs, as the README shows.
if command -v git >/dev/null; then
  (
    set -e
    mkdir repo && cd repo
    git init -q && git config user.email t@example.com && git config user.name t
    echo '*.bin diff=vexa' >.gitattributes
    git config diff.vexa.textconv "$VEXA_CLI template show --model DV3100"
    cp ../new.bin shop.bin && git add . && git commit -qm new
    cp ../edited.bin shop.bin
    git diff >../git.diff
  ) || fail "git with the vexa textconv failed"
  grep -q $'^+[0-9]*\t[0-9]*\t[^\t]*\t\[F1\]\[A\]' git.diff || fail "git diff shows no readable key line: $(cat git.diff)"
fi

# Usage errors.
run 2 template
run 2 template frobnicate x
run 2 template show new.bin --model PX9999
run 2 template new
run 2 template show new.bin --base new.bin

[ "$failures" = 0 ] || exit 1
echo "cli_template: all passed"
