#!/usr/bin/env bash
# Tells whether the translations are complete: lists every text that translations/vorlan_xx.ts
# leaves unfinished or empty, and every entry that translations/xx.po leaves untranslated or
# fuzzy, for German, French, Spanish and Russian, and English's plural forms. Exits 0 when none
# is missing, 1 otherwise.
set -uo pipefail
cd "$(dirname "$0")/.."
missing=0
# A message whose translation is unfinished, or empty (or one of its plural forms is).
unfinished="//message[translation/@type='unfinished' or translation/@type='vanished'
  or (not(translation/numerusform) and normalize-space(translation)='')
  or translation/numerusform[normalize-space(.)='']]/source"
report() {  # file, count, list
  [ "$2" -eq 0 ] && return
  missing=1
  echo "$1: $2 missing"
  sed 's/^/    /' <<<"$3"
}
for code in en de fr es ru; do
  ts=translations/vorlan_$code.ts
  if [ ! -f "$ts" ]; then report "$ts" 1 "(no file)"; continue; fi
  list=$(xmllint --xpath "$unfinished" "$ts" 2>/dev/null | sed -e 's/^<source>//' -e 's|</source>$||')
  report "$ts" "$(grep -c . <<<"$list")" "$list"
  [ "$code" = en ] && continue  # English has only the plural forms of the windows' texts
  po=translations/$code.po
  if [ ! -f "$po" ]; then report "$po" 1 "(no file)"; continue; fi
  list=$( (msgattrib --untranslated --no-obsolete --no-location "$po"; msgattrib --only-fuzzy --no-obsolete \
    --no-location "$po") | grep -E '^msgid ' | grep -v '^msgid ""$' | sed 's/^msgid //')
  if ! msgfmt --check -o /dev/null "$po" 2>/dev/null; then list+=$'\n'"(msgfmt --check fails)"; fi
  report "$po" "$(grep -c . <<<"$list")" "$list"
done
[ $missing -eq 0 ] && echo "All translations complete."
exit $missing
