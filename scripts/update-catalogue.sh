#!/usr/bin/env bash
# Collects the texts the Qt-free sources mark for the message catalogue (engine/Catalogue.h:
# translated("..."), N_("...")) into translations/vorlan.pot and merges them into each
# language's .po file: translations already made are kept, texts no longer in the sources are
# dropped, a changed text comes back marked fuzzy (left out of the program until checked).
# A new language: name it in `languages` below. Needs GNU gettext (xgettext, msgmerge, msginit).
set -euo pipefail
cd "$(dirname "$0")/.."
languages=(de fr es ru)
pot=translations/vorlan.pot

# Every source of the layers beneath the windows that marks a text; the windows' own texts go
# through Qt's translation (tr()) and Linguist's .ts files instead.
mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- engine shot chart reports cli | grep -E '\.(cpp|h)$' |
                       xargs grep -l -E '\b(translated|N_|NC_)\(' | grep -v '^engine/Catalogue\.h$' | LC_ALL=C sort)

# Placeholders are %1 to %9, never printf's: no text is checked as a C format. Locations name the
# file alone, so that moving a line does not change every .po file.
xgettext --language=C++ --from-code=UTF-8 --keyword --keyword=translated --keyword=N_ --keyword=NC_:1c,2 \
         --flag=translated:1:no-c-format --flag=N_:1:no-c-format --flag=NC_:2:no-c-format \
         --add-comments="For translators:" --add-location=file --sort-by-file \
         --package-name=Vorlan --msgid-bugs-address=https://github.com/vorlan/vorlan/issues --copyright-holder= \
         --output="$pot" "${sources[@]}"
# The creation date changes on every run: without it an unchanged source gives an unchanged file.
sed -i '/^"POT-Creation-Date:/d; s/charset=CHARSET/charset=UTF-8/' "$pot"

for code in "${languages[@]}"; do
  po=translations/$code.po
  if [ ! -f "$po" ]; then
    msginit --no-translator --locale="$code" --input="$pot" --output-file="$po"
    sed -i "s/charset=ASCII/charset=UTF-8/; s/YEAR-MO-DA HO:MI+ZONE/$(date -u '+%Y-%m-%d %H:%M+0000')/" "$po"
  fi
  msgmerge --quiet --update --backup=none --add-location=file --sort-by-file "$po" "$pot"
  msgattrib --no-obsolete --add-location=file --sort-by-file --output-file="$po" "$po"
  msgfmt --check --output-file=/dev/null "$po"
done
