#!/bin/sh
# chrono.sh CLI EXAMPLES DATA DIR: --apply sets the mean and the SD into the shot; a session
# without an SD applies nothing.
set -e
cli=$1 examples=$2 data=$3 dir=$4
out="$dir/chrono-applied.vxf"
rm -f "$out"
"$cli" chrono "$data/chrono-garmin.csv" --apply "$examples/rifle-308-g7.vxf" -o "$out" > /dev/null
grep -q "^Velocity:1371.1" "$out" || { echo "the mean was not applied"; exit 1; }
grep -q "^MV SD:2.7" "$out" || { echo "the SD was not applied"; exit 1; }
rm -f "$out"
status=0
"$cli" chrono "$data/chrono-one-shot.csv" --apply "$examples/rifle-308-g7.vxf" -o "$out" 2> /dev/null || status=$?
[ "$status" = 1 ] && [ ! -e "$out" ] || { echo "one shot: status $status, or a shot written"; exit 1; }
