#!/bin/sh
# bad-values.sh CLI SHOT DIR: every subcommand that reads a shot refuses one it cannot fly
# with status 2 and a message that names the file (write: the shot it would store) and the
# key (and, for a line that does not read, the line); nothing is printed on stdout and no
# picture is written.
cli=$1 shot=$2
mkdir -p "$3/bad-values" && cd "$3/bad-values" && rm -f ./*.png || exit 1
fail=0
# name|line added to a good shot|what the message names
while IFS='|' read -r name line key; do
  { tr -d '\r' <"$shot"; printf '%s\n' "$line"; } >"$name.vxf"
  for command in table chart compare stability maxrange opbz bc density write; do
    case $command in
      chart) set -- chart "$name.vxf" -o "$name.png" ;;
      compare) set -- compare "$name.vxf" "$name.vxf" ;;
      write) set -- write out.vxf --from "$name.vxf" ;;
      *) set -- "$command" "$name.vxf" ;;
    esac
    out=$("$cli" "$@" 2>err.txt)
    status=$?
    if [ $status -ne 2 ] || [ -n "$out" ] || ! grep -q "^vorlan-cli: \($name.vxf: \(line [0-9]*: \)\?\)\?$key" err.txt || [ -e "$name.png" ]; then
      echo "$command $name: status $status, stdout '$out', stderr '$(cat err.txt)'"
      fail=1
    fi
  done
done <<'CASES'
weight-nan|Weight:nan|Weight: nan is not a number between 0.0001 and 1000
velocity-inf|Velocity:inf|Velocity: inf is not a number between 1 and 5000
increment-negative|Range Increment:-1|Range Increment: -1 is not a whole number between 1 and 5000
count-wraps|Number of Increments:4294967295|Number of Increments: -1 is not a whole number between 1 and 5000
table-too-long|Number of Increments:5000|Number of Increments: 5000 rows of 50 yd make a table longer than 5000 yd
drag-99|Drag Function:99|Drag Function: 99 is not a drag function between 0 and 10
caliber-long|Caliber:.3080|Caliber: the text is longer than 4 characters
latitude|Latitude:95|Latitude must be a number from -90 to 90
wind-inf|Wind Speed:inf|Wind Speed: "inf" is not a number
wind-fast|Wind Speed:201|Wind Speed must be a number from 0 to 200
drag-comma|Custom Drag:0.5,0.2;1,0.3|Custom Drag: item 1 is not two numbers
drag-word|Custom Drag:0.5 0.2;x y|Custom Drag: item 2 is not two numbers
drag-nan|Custom Drag:0.5 0.2;1 0.3;nan|Custom Drag: item 3 is not two numbers
drag-unsorted|Custom Drag:1 0.3;0.5 0.2|Custom Drag: the Mach of point 2 must be above the one before
bands-word|BC Bands:2000 0.25;fast|BC Bands: item 2 is not two numbers
scope-click|Scope Click:a quarter|Scope Click: "a quarter" is not a click value
hit-level-word|Hit Level:abc|Hit Level: "abc" is not a number
wind-sd-word|Wind SD:two|Wind SD: "two" is not a number
mv-sd-unit|MV SD:5 ft/s|MV SD: "5 ft/s" is not a number
twist-unit|Twist Rate:9.5 in|Twist Rate: "9.5 in" is not a number
coriolis-flag|Coriolis:yes|Coriolis: "yes" is not TRUE or FALSE
observations-word|Observations:range_yd up_moa;300 abc|Observations: item 2 ("300 abc"): "abc" in column up_moa
observations-far|Observations:range_yd up_moa;99999 4|Observations: item 2 ("99999 4"): range_yd at 99999 yd
observations-headless|Observations:300 4.75|Observations: item 1 ("300 4.75"): unknown column
drag-scale-nan|Drag Scale:1 nan|Drag Scale: item 1 is not two numbers ("1 nan")
CASES
# A file with no shot-file line at all is not a shot.
for file in /etc/passwd /dev/null empty.vxf; do
  : >empty.vxf
  "$cli" table "$file" >/dev/null 2>err.txt
  status=$?
  case $file in /dev/null) want="Not a regular file" ;; *) want="is not a shot file" ;; esac
  [ $status -eq 2 ] && grep -q "$want" err.txt || { echo "table $file: status $status, $(cat err.txt)"; fail=1; }
done
exit $fail
