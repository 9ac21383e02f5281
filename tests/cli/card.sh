#!/bin/sh
# card.sh CLI EXAMPLES DIR: vorlan-cli card prints the table's holds, rounded to 0.1 MOA (the
# elevation against `table --csv --holds` of the shot, a wind column against the table of the
# shot with that wind from the right), and writes a PDF of the layout's page size that holds
# every row, a sheet of four pocket cards on letter, an SVG in points and a PNG at 300 dpi.
set -e
cli=$1 examples=$2 dir=$3
shot="$examples/rifle-308-g7.vxf"

# The column named $2 of CSV file $1, by range: "range value" lines.
column() {
  awk -F, -v name="$2" 'NR == 1 { for (i = 1; i <= NF; i++) if ($i == name) c = i; next } { print $1, $c }' "$1"
}
# Each card cell within half a tenth of the table's value at the same range.
compare() {
  awk 'NR == FNR { table[$1] = $2; next }
       { d = $2 - table[$1]; if (!($1 in table) || d > 0.05 + 1e-9 || d < -0.05 - 1e-9) { print "range " $1 ": card " $2 ", table " table[$1]; bad = 1 } n++ }
       END { if (bad || n < 19) exit 1 }' "$1" "$2" || { echo "$3: the card is not the table"; exit 1; }
}

"$cli" card "$shot" --ranges 50:1000:50 --wind 5 --csv > "$dir/card.csv"
"$cli" table "$shot" --csv --holds > "$dir/table.csv"
column "$dir/card.csv" elevation > "$dir/card.elevation"
column "$dir/table.csv" elevation_up_true_moa > "$dir/table.elevation"
compare "$dir/table.elevation" "$dir/card.elevation" elevation

# The same shot with a wind of 5 mph from the right in place of its crosswind.
{ cat "$shot"; printf 'Wind Speed:5.0\r\r\nWind Direction:90.0\r\r\n'; } > "$dir/windy.vxf"
"$cli" table "$dir/windy.vxf" --csv --holds > "$dir/windy.csv"
column "$dir/card.csv" wind_5 > "$dir/card.wind"
column "$dir/windy.csv" windage_right_true_moa > "$dir/table.wind"
compare "$dir/table.wind" "$dir/card.wind" "wind 5 mph"

"$cli" card "$shot" -o "$dir/card.svg" --layout strip --units mil
grep -q 'viewBox="0 0 108 288"' "$dir/card.svg" || { echo "card.svg is not 1.5 x 4 in"; exit 1; }
"$cli" card "$shot" -o "$dir/card.png"
size=$(od -An -tu1 -j16 -N8 "$dir/card.png" | tr -s ' ' | sed 's/^ //')
[ "$size" = "0 0 3 132 0 0 5 220" ] || { echo "card.png is not 900 x 1500: $size"; exit 1; }

"$cli" card "$shot" -o "$dir/card.pdf" --targets "Gong 1=327,Ridge=612" --ranges 100:1000:100
"$cli" card "$shot" -o "$dir/sheet.pdf" --sheet letter
command -v pdfinfo > /dev/null && command -v pdftotext > /dev/null || { echo "no pdfinfo/pdftotext: PDF not read back"; exit 77; }
# The target column makes the rows too wide for a pocket card upright: it is turned.
pdfinfo "$dir/card.pdf" | grep -q "^Page size: *360 x 216 pts" || { echo "card.pdf is not 5 x 3 in"; exit 1; }
pdfinfo "$dir/sheet.pdf" | grep -q "^Page size: *612 x 792 pts" || { echo "sheet.pdf is not letter"; exit 1; }
text=$(pdftotext -layout "$dir/card.pdf" -)
for row in "100 " "200 " "300 " "327 *Gong 1" "400 " "500 " "600 " "612 *Ridge" "700 " "800 " "900 " "1000\*"; do
  echo "$text" | grep -q "^ *$row" || { echo "card.pdf lacks the row '$row':"; echo "$text"; exit 1; }
done
[ "$(pdftotext "$dir/sheet.pdf" - | grep -c '^\.308 Win 175 gr SMK')" = 4 ] || { echo "sheet.pdf does not hold 4 cards"; exit 1; }
