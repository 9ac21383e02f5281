#!/bin/sh
# typed-names.sh CLI EXAMPLES DIR: a shot whose name holds a BEL and an ESC sequence prints no
# control character, and its card and chart SVGs are well-formed XML.
set -e
cli=$1 examples=$2 dir=$3
command -v xmllint > /dev/null || { echo "no xmllint: SVG not read back"; exit 77; }
shot="$dir/typed-names.vxf"
bell=$(printf '\007') esc=$(printf '\033')
sed "s/^Name:.*/Name:.308 Gämse${bell}${esc}[31m red/" "$examples/rifle-308-g7.vxf" > "$shot"
for command in "card $shot --text" "card $shot --csv" "table $shot"; do
  # shellcheck disable=SC2086
  if "$cli" $command | LC_ALL=C grep -q "[$bell$esc]"; then echo "'$command' prints a control character"; exit 1; fi
done
"$cli" card "$shot" --text | grep -q '^\.308 Gämse\[31m red$' || { echo "the card lost the name's letters"; exit 1; }
"$cli" card "$shot" -o "$dir/typed-names-card.svg"
"$cli" chart "$shot" -o "$dir/typed-names-chart.svg"
xmllint --noout "$dir/typed-names-card.svg" "$dir/typed-names-chart.svg"
