#!/usr/bin/env bash
# vorlan-cli chart as a whole process: draws the chart of one shot N times (default 30) to a
# PNG and to an SVG and prints the median wall time of each.
set -euo pipefail
cli=${1:-build/cli/vorlan-cli}
shot=${2:-examples/rifle-308-g7.vxf}
runs=${3:-30}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
for format in png svg; do
  "$cli" chart "$shot" -o "$out/chart.$format"  # warm the file cache
  times=()
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$cli" chart "$shot" -o "$out/chart.$format"
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  median=${sorted[$((runs / 2))]}
  echo "vorlan-cli chart to $format ($runs runs): median $((median / 1000)).$(printf '%03d' $((median % 1000))) ms, min $((sorted[0] / 1000)) ms, max $((sorted[runs - 1] / 1000)) ms"
done
