#!/bin/sh
# reticle.sh CLI EXAMPLES DIR: vorlan-cli reticle --csv puts each point where the table's hold
# says, read on a second-plane reticle at 10x that is true at 12x (a reading of 12/10 of the
# mark), from the zero (--hold all) and with the zero at 300 yd dialled; it writes a PNG, an
# SVG and a PDF of one square page; a reticle that goes wrong on a line is refused naming it;
# vorlan-cli card --reticle draws the ladder beside a pocket card's table.
set -e
cli=$1 examples=$2 dir=$3
shot="$examples/rifle-308-g7.vxf"
ranges=100,200,300,400,500,600,700,800,900,1000

"$cli" table "$shot" --csv --holds > "$dir/reticle-table.csv"
# "range up" of the table at every hundred yards, read as 12/10 of a mark.
awk -F, 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == "elevation_up_mil") c = i; next }
         $1 % 100 == 0 && $1 > 0 { print $1, $c * 10 / 12 }' "$dir/reticle-table.csv" > "$dir/reticle-table.up"
check() {  # $1: the CSV, $2: what is dialled (the table's up at that range, in marks)
  awk -F'[ ,]' -v dial="$2" 'NR == FNR { up[$1] = $2; next } FNR == 1 || $2 == "shot" { next }
       { d = $3 - (up[$1] - dial); if (d > 0.006 || d < -0.006) { print "range " $1 ": " $3 ", table " up[$1] - dial; bad = 1 } n++ }
       END { if (bad || n != 10) exit 1 }' "$dir/reticle-table.up" "$1" || { echo "$1 is not the table"; exit 1; }
}
"$cli" reticle "$shot" --reticle mil-grid --ranges $ranges --hold all --magnification 10 --true-magnification 12 --csv \
  > "$dir/reticle-all.csv"
head -1 "$dir/reticle-all.csv" | grep -qx 'range_yd,wind_mph,up_mil,right_mil' || { echo "bad header"; exit 1; }
check "$dir/reticle-all.csv" 0
"$cli" reticle "$shot" --reticle mil-grid --ranges $ranges --hold over:300 --magnification 10 --true-magnification 12 \
  --csv > "$dir/reticle-over.csv"
check "$dir/reticle-over.csv" "$(awk '$1 == 300 { print $2 }' "$dir/reticle-table.up")"

for format in png svg pdf; do
  "$cli" reticle "$shot" --reticle mil-dot --ranges 300,500,700 --wind 5,10 -o "$dir/sight.$format"
done
[ "$(od -An -c -N4 "$dir/sight.png" | tr -d ' ')" = "211PNG" ] || { echo "sight.png is not a PNG"; exit 1; }
grep -q 'viewBox="0 0 432 432"' "$dir/sight.svg" || { echo "sight.svg is not 6 x 6 in"; exit 1; }
head -c 5 "$dir/sight.pdf" | grep -q '%PDF-' || { echo "sight.pdf is not a PDF"; exit 1; }

printf 'name Mine\nunit mil\nplane first\nline -1 0 1 0\ndot 2\n' > "$dir/mine.vrt"
if "$cli" reticle "$shot" --reticle "$dir/mine.vrt" --csv 2> "$dir/mine.err"; then echo "a bad reticle was read"; exit 1; fi
grep -q "mine.vrt', line 5: 'dot' takes 2 numbers and an optional size" "$dir/mine.err" || { cat "$dir/mine.err"; exit 1; }

# The ladder beside a pocket card's table, in its SVG; only with a file, only on a pocket or half card.
"$cli" card "$shot" --ranges 300:700:100 --reticle mil-dot -o "$dir/card-ladder.svg"
grep -q 'Mil-dot, Hold everything' "$dir/card-ladder.svg" || { echo "card-ladder.svg has no ladder"; exit 1; }
if "$cli" card "$shot" --reticle mil-dot --layout page -o "$dir/card-ladder.pdf" 2> "$dir/ladder.err"; then exit 1; fi
grep -q "A picture goes beside the table of a pocket or half card only." "$dir/ladder.err" || { cat "$dir/ladder.err"; exit 1; }
