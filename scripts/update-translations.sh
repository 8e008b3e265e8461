#!/usr/bin/env bash
# Brings translations/vexa_LANG.ts up to date with the texts in src/: new texts
# are added as unfinished, texts no longer in the code are dropped. Then open a
# file in Qt Linguist (/usr/lib/qt6/bin/linguist, package linguist-qt6; see the
# README, "Languages") and translate what is unfinished.
#
#   bash scripts/update-translations.sh [LANG...]    (default: every shipped language)
#   bash scripts/update-translations.sh --new LANG   start a new language
#
# The core's texts are marked with VEXA_TR_NOOP("vexa", "..."), which lupdate
# reads as QT_TRANSLATE_NOOP; the Qt classes use tr().
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
lupdate=$(command -v lupdate6 || command -v /usr/lib/qt6/bin/lupdate || true)
[ -n "$lupdate" ] || { echo "update-translations: lupdate is missing (package qt6-l10n-tools)" >&2; exit 2; }

languages=()
if [ "${1:-}" = "--new" ]; then
  [ -n "${2:-}" ] || { echo "usage: update-translations.sh --new LANG" >&2; exit 2; }
  languages=("$2")
elif [ $# -gt 0 ]; then
  languages=("$@")
else
  for ts in "$root"/translations/vexa_*.ts; do
    name=${ts##*/vexa_}
    languages+=("${name%.ts}")
  done
fi

ts_files=()
for language in "${languages[@]}"; do ts_files+=("$root/translations/vexa_$language.ts"); done

cd "$root"
# The texts of the privileged helper (src/helper) are not translated: it reads
# no translation files, as root.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h \
  -tr-function-alias QT_TRANSLATE_NOOP+=VEXA_TR_NOOP -I src \
  src/base src/models src/document src/view src/device src/emulator src/commands src/app src/cli src/i18n \
  -ts "${ts_files[@]}"
