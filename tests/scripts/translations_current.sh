#!/usr/bin/env bash
# The translation files hold exactly the texts of the code: lupdate run over
# the sources again changes none of translations/vexa_*.ts. A text added to
# the code without running scripts/update-translations.sh fails here.
set -euo pipefail
source_dir=${VEXA_SOURCE_DIR:-$(cd "$(dirname "$0")/../.." && pwd)}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$source_dir" && git ls-files -co --exclude-standard src translations scripts/update-translations.sh |
  tar -cf - -T -) | tar -C "$work" -xf -
bash "$work/scripts/update-translations.sh"
status=0
for ts in "$source_dir"/translations/vexa_*.ts; do
  if ! diff -u "$ts" "$work/translations/${ts##*/}" >"$work/diff"; then
    echo "FAIL: ${ts##*/} is not up to date with the code (run: bash scripts/update-translations.sh):"
    grep '^[-+] *<source>' "$work/diff" | head -20
    status=1
  fi
done
[ $status -eq 0 ] && echo "translations_current: every .ts file holds the texts of the code"
exit $status
