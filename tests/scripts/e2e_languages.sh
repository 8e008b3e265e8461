#!/usr/bin/env bash
# The editor in the user's language: the real vexa under Xvfb, started with
# LANG set to each shipped language. The port dialog's title, the main
# window's title and menus (read over AT-SPI, as a screen reader reads them)
# and the feature settings dialog come up in that language, as its translation
# file has them; under LANG=C they are the English ones. Screenshots of the
# German windows are kept for a look at their texts.
set -euo pipefail

E2E_NAME=e2e_languages
E2E_SHOT_PREFIX=languages-
if [ -z "${VEXA_IN_DBUS_SESSION:-}" ]; then
  command -v dbus-run-session >/dev/null || { echo "$E2E_NAME: dbus-run-session is missing" >&2; exit 1; }
  VEXA_IN_DBUS_SESSION=1 exec dbus-run-session -- bash "$0" "$@"
fi
# shellcheck source=lib/e2e_common.sh
source "$(dirname "$0")/lib/e2e_common.sh"
e2e_init Xvfb xdotool import convert /usr/bin/python3
: "${VEXA_CLI:?}" "${VEXA_SOURCE_DIR:?}"
e2e_start_x
e2e_atspi_start
# xdotool matches window titles as characters of the locale: UTF-8 for the
# translated titles. LC_CTYPE does not choose the editor's language.
export LC_CTYPE=C.UTF-8
unset LC_ALL LC_MESSAGES LANGUAGE
app=VEXA
cli template new "$work/keyboard.bin" || fail "template new"

# translated LANGUAGE CONTEXT SOURCE: the translation of SOURCE (the source itself for C).
translated() {
  /usr/bin/python3 - "$VEXA_SOURCE_DIR/translations/vexa_$1.ts" "$2" "$3" <<'PY'
import sys, xml.etree.ElementTree as ET
path, context, source = sys.argv[1:]
try:
    root = ET.parse(path).getroot()
except FileNotFoundError:
    print(source); sys.exit()
for c in root.iter("context"):
    if c.findtext("name") != context:
        continue
    for m in c.iter("message"):
        if m.findtext("source") == source:
            print(m.findtext("translation")); sys.exit()
sys.exit("no translation of %r in %s" % (source, path))
PY
}

# titled PATTERN: the id of the visible window whose title matches the glob
# PATTERN, waited for. The titles are compared as strings: xdotool's own pattern match does not
# take every translated title's characters.
titled() {
  local tries w
  for tries in $(seq 200); do
    for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do
      # shellcheck disable=SC2053
      if [[ "$(xdotool getwindowname "$w" 2>/dev/null)" == $1 ]]; then
        echo "$w"
        return 0
      fi
    done
    sleep 0.1
  done
  fail "no window titled '$1' appeared"
}

for language in ${E2E_LANGUAGES:-C de fr es}; do
  lang=$language
  [ "$language" = C ] || lang="${language}_XX.UTF-8"
  port_title=$(translated "$language" vexa "Select Communication Port")
  main_title=$(translated "$language" vexa "Tessaly  Programmable Keyboard")
  settings_title=$(translated "$language" vexa "Config KB properties")
  (cd "$work" && exec env LANG="$lang" "$VEXA_BIN" --simulate-keyboard "$work/keyboard.bin") >>"$E2E_LOG" 2>&1 &
  vexa_pid=$!
  dialog_id=$(titled "$port_title")
  xdotool windowfocus --sync "$dialog_id" 2>/dev/null || true
  [ "$language" = de ] && shot port
  xdotool key Return
  window=$(titled "*$main_title")
  xdotool windowmove "$window" 0 0
  xdotool windowsize "$window" 760 640
  sleep 1
  e2e_focus_editor

  # The menus, as AT-SPI names them: the translated titles without their '&'.
  expected=""
  for title in "&Template" "Key&board" "&Key Edit" "&Configuration" "T&esting" "&View" "&Help"; do
    expected+="$(translated "$language" vexa "$title" | sed 's/&//')"$'\n'
  done
  seen=$(atspi menus "$app" "$main_title\$") || fail "$language: the menus could not be read over AT-SPI"
  [ "$seen"$'\n' = "$expected" ] || fail "$language: the menus are '$(tr '\n' '|' <<<"$seen")', expected '$(tr '\n' '|' <<<"$expected")'"

  # Configuration, then Config KB Properties, by their translated mnemonics.
  config=$(translated "$language" vexa "&Configuration" | sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]')
  item=$(translated "$language" vexa "Config &KB Properties" | sed -n 's/.*&\(.\).*/\1/p' | tr '[:upper:]' '[:lower:]')
  keys "alt+$config"
  sleep 0.5
  [ "$language" = de ] && shot menu
  keys "$item"
  dialog_id=$(titled "$settings_title")
  xdotool windowfocus --sync "$dialog_id" 2>/dev/null || true
  [ "$language" = de ] && shot settings
  keys Escape
  e2e_wait_gone "$dialog_id" 2>/dev/null || sleep 0.5
  e2e_stop_editor
  echo "$E2E_NAME: $language: port dialog, main window, menus and settings dialog as translated"
done
echo "$E2E_NAME: all languages passed"
