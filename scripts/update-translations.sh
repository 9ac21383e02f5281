#!/usr/bin/env bash
# Brings translations/vorlan_{de,fr,es,ru,en}.ts up to the texts of the Qt sources (app/, ui/,
# reports/, chart/): new texts come in unfinished, translations made stay, texts no longer
# used go. Then the message catalogue's .po files follow (scripts/update-catalogue.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
[ -x "$lupdate" ] || { echo "lupdate not found (Debian: qt6-l10n-tools)" >&2; exit 1; }
for code in de fr es ru; do
  # No source locations: line numbers would change with every edit and clash in merges.
  "$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I . \
    -source-language en -target-language "$code" \
    app ui reports chart -ts "translations/vorlan_$code.ts"
done
# English needs only its plural forms ("%n file(s)" said as "1 file", "2 files").
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I . -pluralonly \
  -source-language en -target-language en app ui reports chart -ts translations/vorlan_en.ts
if [ -x scripts/update-catalogue.sh ]; then scripts/update-catalogue.sh; fi
