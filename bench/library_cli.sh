#!/usr/bin/env bash
# vorlan-cli library list as a whole process over a library of 500 loads (25 rifles of 20
# loads, each a whole shot file from vorlan-cli write): prints the median wall time of N runs
# (default 30), text and CSV.
set -euo pipefail
cli=${1:-build/cli/vorlan-cli}
runs=${2:-30}
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
for ((i = 0; i < 500; i++)); do
  "$cli" write "$dir/load-$i.vxf" --from examples/rifle-308-g7.vxf --line "Name:Load $i" \
    --line "Rifle:Rifle $((i % 25))" --line "Velocity:$((2400 + i))"
done
for format in text csv; do
  flags=()
  [ "$format" = csv ] && flags=(--csv)
  "$cli" library list --dir "$dir" "${flags[@]}" > /dev/null  # warm the file cache
  times=()
  for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    "$cli" library list --dir "$dir" "${flags[@]}" > /dev/null
    end=$(date +%s%N)
    times+=($(((end - start) / 1000)))
  done
  sorted=($(printf '%s\n' "${times[@]}" | sort -n))
  median=${sorted[$((runs / 2))]}
  echo "vorlan-cli library list of 500 loads as $format ($runs runs): median $((median / 1000)).$(printf '%03d' $((median % 1000))) ms, min $((sorted[0] / 1000)) ms, max $((sorted[runs - 1] / 1000)) ms"
done
