#!/bin/sh
# chart.sh CLI EXAMPLES DIR: vorlan-cli chart draws two shots to a PNG of the asked size and
# to an SVG that names both, writing nothing on stdout or stderr; --metric changes the axes'
# units and nothing else of the command; without a size it is 1000 x 600, and an extension in
# capitals is taken as it is; the picture is written by the safe writer.
set -e
cli=$1 examples=$2 dir=$3
for format in png svg; do
  out=$("$cli" chart "$examples/rifle-308-g7.vxf" "$examples/pistol-9mm.vxf" -o "$dir/chart.$format" \
        --width 640 --height 400 2>&1)
  [ -z "$out" ] || { echo "unexpected output: $out"; exit 1; }
done
signature=$(od -An -tx1 -N8 "$dir/chart.png" | tr -d ' \n')
[ "$signature" = 89504e470d0a1a0a ] || { echo "chart.png is not a PNG: $signature"; exit 1; }
size=$(od -An -tu1 -j16 -N8 "$dir/chart.png" | tr -s ' ' | sed 's/^ //')
[ "$size" = "0 0 2 128 0 0 1 144" ] || { echo "chart.png is not 640 x 400: $size"; exit 1; }
grep -q 'viewBox="0 0 640 400"' "$dir/chart.svg" || { echo "chart.svg is not 640 x 400"; exit 1; }
grep -q "308 Win" "$dir/chart.svg" && grep -q "9 mm Luger" "$dir/chart.svg" || { echo "chart.svg lacks a shot name"; exit 1; }
grep -q "Range (yd)" "$dir/chart.svg" && grep -q "Velocity (ft/s)" "$dir/chart.svg" || { echo "chart.svg is not in yards"; exit 1; }
"$cli" chart "$examples/rifle-308-g7.vxf" -o "$dir/chart-metric.svg" --metric
grep -q "Range (m)" "$dir/chart-metric.svg" && grep -q "Velocity (m/s)" "$dir/chart-metric.svg" &&
  ! grep -q "Range (yd)" "$dir/chart-metric.svg" || { echo "chart-metric.svg is not in metres"; exit 1; }
for format in PNG SVG; do
  "$cli" chart "$examples/rifle-308-g7.vxf" -o "$dir/DEFAULT.$format"
done
size=$(od -An -tu1 -j16 -N8 "$dir/DEFAULT.PNG" | tr -s ' ' | sed 's/^ //')
[ "$size" = "0 0 3 232 0 0 2 88" ] || { echo "DEFAULT.PNG is not 1000 x 600: $size"; exit 1; }
grep -q 'viewBox="0 0 1000 600"' "$dir/DEFAULT.SVG" || { echo "DEFAULT.SVG is not 1000 x 600"; exit 1; }
# The picture goes through the program's safe writer: the exact bytes of its name, and never
# over what is not a regular file or is read-only.
name=$(printf 'caf\351.svg')
"$cli" chart "$examples/pistol-9mm.vxf" -o "$dir/$name" && [ -s "$dir/$name" ] || { echo "non-UTF-8 name not kept"; exit 1; }
rm -f "$dir/fifo.svg" "$dir/readonly.png" "$dir/loop.svg"
mkfifo "$dir/fifo.svg" && echo kept >"$dir/readonly.png" && chmod 0444 "$dir/readonly.png" && ln -s loop.svg "$dir/loop.svg"
for target in fifo.svg readonly.png loop.svg; do
  if timeout 10 "$cli" chart "$examples/pistol-9mm.vxf" -o "$dir/$target" 2>"$dir/err.txt"; then
    echo "chart over $target succeeded"; exit 1
  fi
  grep -q "^vorlan-cli: cannot write chart '$dir/$target': " "$dir/err.txt" || { echo "$target: $(cat "$dir/err.txt")"; exit 1; }
done
[ -p "$dir/fifo.svg" ] && [ "$(cat "$dir/readonly.png")" = kept ] && [ -L "$dir/loop.svg" ] || { echo "a refused file changed"; exit 1; }
