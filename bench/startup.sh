#!/usr/bin/env bash
# Start-up to the painted main dialog: runs the start-up probe N times (default 30) and
# prints the median wall time. Uses the platform given in QT_QPA_PLATFORM (offscreen when
# unset); run it under xvfb-run with QT_QPA_PLATFORM=xcb for an X server.
set -euo pipefail
probe=${1:-build/bench/vorlan_startup_probe}
runs=${2:-30}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$probe" >/dev/null 2>&1  # warm the file cache
times=()
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "$probe" >/dev/null 2>&1
  end=$(date +%s%N)
  times+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${times[@]}" | sort -n))
median=${sorted[$((runs / 2))]}
echo "start-up to painted main dialog ($QT_QPA_PLATFORM, $runs runs): median $((median / 1000)).$(printf '%03d' $((median % 1000))) ms, min $((sorted[0] / 1000)) ms, max $((sorted[runs - 1] / 1000)) ms"
