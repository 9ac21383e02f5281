#!/usr/bin/env bash
# The desktop program under a real X server and window manager, driven by the keyboard as a
# user would: window titles as the window system shows them, Escape in the main dialog, Enter
# in the "Invalid Entry" box, three Range Tables at three places with three titles (two then
# closed by Escape and Ctrl+W), two Shoot windows apart, the Field Card, Hit Probability, Library,
# Advanced (closed by its Close button) and Truing windows, the help window and its Escape,
# and the close request ending the program.
#
#   desktop_tour_xvfb.sh VORLAN SHOT.vxf [PICTURE-FOLDER]
#
# Exit 77 (skipped) without Xvfb, xdotool or openbox. VORLAN_XVFB_DISPLAY picks the display number;
# otherwise Xvfb takes a free one.
set -uo pipefail
program=$1
shot=$2
pictures=${3:-}
for tool in Xvfb xdotool openbox; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*"
  echo "windows: $(xdotool search --onlyvisible --name . getwindowname %@ 2>/dev/null | tr '\n' '|')"
  echo "focus: $(xdotool getwindowfocus getwindowname 2>/dev/null)"
  [ -s "$work/vorlan.log" ] && tail -n 40 "$work/vorlan.log"
  exit 1
}

# The X server, on the given display or a free one.
if [[ -n ${VORLAN_XVFB_DISPLAY:-} ]]; then
  Xvfb ":$VORLAN_XVFB_DISPLAY" -screen 0 1600x1000x24 -nolisten tcp 2>"$work/xvfb.log" &
  pids+=($!)
  export DISPLAY=":$VORLAN_XVFB_DISPLAY"
else
  exec 3>"$work/display"
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 2>"$work/xvfb.log" &
  pids+=($!)
  for _ in $(seq 50); do [[ -s $work/display ]] && break; sleep 0.1; done
  export DISPLAY=":$(head -n1 "$work/display")"
fi
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
# A window manager: it gives the focus to new windows and turns Alt+F4 into a close request.
openbox --sm-disable >/dev/null 2>&1 &
pids+=($!)
sleep 0.5

# The program from a folder of its own, so its settings file lands there.
cp "$program" "$work/vorlan"
export QT_QPA_PLATFORM=xcb HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
"$work/vorlan" "$shot" >"$work/vorlan.log" 2>&1 &
vorlan=$!
pids+=($vorlan)

# The windows whose title is exactly $1, waiting up to 10 s for at least $2 of them.
windows() {
  local found=()
  for _ in $(seq 100); do
    mapfile -t found < <(xdotool search --onlyvisible --name "^$(sed 's/[.[\*^$()+?{|]/\\&/g' <<<"$1")\$" 2>/dev/null)
    ((${#found[@]} >= ${2:-1})) && break
    sleep 0.1
  done
  printf '%s\n' "${found[@]}"
}
gone() {
  for _ in $(seq 50); do
    [[ -z $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) ]] && return 0
    sleep 0.1
  done
  return 1
}
picture() {
  [[ -n $pictures ]] && command -v import >/dev/null && import -window root "$pictures/$1.png" 2>/dev/null
  return 0
}
keys() {
  xdotool key --delay 40 "$@"
  sleep 0.3
}

name=$(sed -n 's/^Name:\(.*\)\r\r$/\1/p' "$shot" | head -n1)
main=$(windows "Vorlan" | head -n1)
[[ -n $main ]] || fail "no window titled \"Vorlan\" ($(xdotool search --name . getwindowname %@ 2>/dev/null | tr '\n' '|'))"
[[ $(xdotool getwindowname "$main") == "Vorlan" ]] || fail "main title \"$(xdotool getwindowname "$main")\""
xdotool windowactivate --sync "$main" 2>/dev/null
sleep 0.3

keys Escape
kill -0 "$vorlan" 2>/dev/null || fail "Escape ended the program"

# Focus starts in the Name field: Tab to Velocity, enter 0, Tab: "Invalid Entry"; Enter is OK.
keys Tab Tab ctrl+a 0 Tab
[[ -n $(windows "Invalid Entry") ]] || fail "no \"Invalid Entry\" box"
picture invalid-entry
keys Return
gone "Invalid Entry" || fail "Enter did not close the \"Invalid Entry\" box"
# The failing field has the focus with its text selected.
keys 2 7 0 0
# Velocity is the third stop; Range Table the 26th, Set Baseline and Shoot the next two.
keys $(printf 'Tab %.0s' $(seq 23)) space
[[ -n $(windows "Trajectory Table - $name") ]] || fail "no \"Trajectory Table - $name\" window"
# Two more presses: three windows at three places, told apart by their titles.
for _ in 1 2; do
  xdotool windowactivate --sync "$main" 2>/dev/null
  keys space
done
places=()
for title in "Trajectory Table - $name" "Trajectory Table - $name (2)" "Trajectory Table - $name (3)"; do
  table=$(windows "$title" | head -n1)
  [[ -n $table ]] || fail "no \"$title\" window"
  places+=("$(xdotool getwindowgeometry "$table" | sed -n 's/ *Position: \([0-9,]*\).*/\1/p')")
done
[[ $(printf '%s\n' "${places[@]}" | sort -u | wc -l) == 3 ]] || fail "three tables at ${places[*]}"
picture three-tables
# A table window closes with Escape and with Ctrl+W.
for close in "(3):Escape" "(2):ctrl+w"; do
  title="Trajectory Table - $name ${close%%:*}"
  xdotool windowactivate --sync "$(windows "$title" | head -n1)" 2>/dev/null
  keys "${close#*:}"
  for _ in $(seq 50); do [[ -z $(windows "$title" 0) ]] && break; sleep 0.1; done
  [[ -z $(windows "$title" 0) ]] || fail "${close#*:} did not close \"$title\""
done
xdotool windowactivate --sync "$main" 2>/dev/null
keys Tab space Tab space
xdotool windowactivate --sync "$main" 2>/dev/null
keys space
shots=("$(windows "Shot Comparison Results" | head -n1)" "$(windows "Shot Comparison Results (2)" | head -n1)")
[[ -n ${shots[0]} && -n ${shots[1]} ]] || fail "no two \"Shot Comparison Results\" windows after two Shoot presses"
first=$(xdotool getwindowgeometry "${shots[0]}" | sed -n 's/ *Position: \([0-9,]*\).*/\1/p')
second=$(xdotool getwindowgeometry "${shots[1]}" | sed -n 's/ *Position: \([0-9,]*\).*/\1/p')
[[ $first != "$second" ]] || fail "both comparison windows at $first"
picture tables-and-comparisons

# "Field Card..." is four stops after Shoot: its window shows a card of the shot, and Escape
# closes it.
xdotool windowactivate --sync "$main" 2>/dev/null
keys $(printf 'Tab %.0s' $(seq 4)) space
card=$(windows "Field Card - $name" | head -n1)
[[ -n $card ]] || fail "no \"Field Card - $name\" window"
sleep 0.5
picture field-card
xdotool windowactivate --sync "$card" 2>/dev/null
keys Escape
gone "Field Card - $name" || fail "Escape did not close the Field Card window"

# "Hit Probability..." is the next stop: its window counts the hits of the shot as typed, a
# first answer at once, from the typical spreads it assumes for a shot without any; Enter (OK)
# closes it keeping them with the shot.
xdotool windowactivate --sync "$main" 2>/dev/null
keys Tab space
hit=$(windows "Hit Probability - $name" | head -n1)
[[ -n $hit ]] || fail "no \"Hit Probability - $name\" window"
xdotool windowactivate --sync "$hit" 2>/dev/null
# The precision field is six stops from the first: one MOA per axis.
keys $(printf 'Tab %.0s' $(seq 6)) ctrl+a 1
sleep 1
picture hit-probability
keys Return
gone "Hit Probability - $name" || fail "Enter did not close the Hit Probability window"

# "Library..." is the next stop: the tour's own library, empty; Escape closes it.
xdotool windowactivate --sync "$main" 2>/dev/null
keys Tab space
library=$(windows "Library" | head -n1)
[[ -n $library ]] || fail "no \"Library\" window"
xdotool windowactivate --sync "$library" 2>/dev/null
keys Escape
gone "Library" || fail "Escape did not close the Library window"

# "Advanced..." is the next stop: a typed wind speed replaces the selected one, and its Close
# button closes the window keeping it in the shot.
xdotool windowactivate --sync "$main" 2>/dev/null
keys Tab space
advanced=$(windows "Advanced" | head -n1)
[[ -n $advanced ]] || fail "no \"Advanced\" window"
xdotool windowactivate --sync "$advanced" 2>/dev/null
keys 1 0
picture advanced

# Its "Truing..." button (Alt+T): five holds from a day at the range, typed row by row with Tab
# between the cells (a row is checked only when it is left), Fit, Apply; Enter in a cell moves
# on, Ctrl+Enter is OK and keeps the holds with the shot. Its title names the shot it trues.
keys alt+t
truing=$(windows "Truing - .308 Win 175 gr SMK" | head -n1)
[[ -n $truing ]] || fail "no \"Truing - .308 Win 175 gr SMK\" window"
xdotool windowactivate --sync "$truing" 2>/dev/null
for hold in 300:4.75 500:11.53 700:20.09 800:25.18 1000:37.35; do
  xdotool type --delay 40 "${hold%:*}"
  keys Tab
  xdotool type --delay 40 "${hold#*:}"
  keys $(printf 'Tab %.0s' $(seq 8))
done
[[ -z $(windows "Invalid Entry" 0) ]] || fail "typing the holds asked something"
keys alt+f
keys alt+a
picture truing
keys ctrl+Return
gone "Truing - .308 Win 175 gr SMK" || fail "Ctrl+Enter did not close the Truing window"
xdotool windowactivate --sync "$advanced" 2>/dev/null
keys alt+c
gone "Advanced" || fail "its Close button (Alt+C) did not close the Advanced window"

# "&Help" is the last stop: three more Tabs from "Advanced...".
xdotool windowactivate --sync "$main" 2>/dev/null
keys $(printf 'Tab %.0s' $(seq 3)) space
help=$(windows "Vorlan Help" | head -n1)
[[ -n $help ]] || fail "no \"Vorlan Help\" window"
picture help
xdotool windowactivate --sync "$help" 2>/dev/null
keys Escape
gone "Vorlan Help" || fail "Escape did not close the help window"

# The colour chooser by its accelerator; its close box ends it.
xdotool windowactivate --sync "$main" 2>/dev/null
keys ctrl+shift+c
color=$(windows "Dialog Color" | head -n1)
[[ -n $color ]] || fail "no \"Dialog Color\" window"
xdotool windowactivate --sync "$color" 2>/dev/null
keys alt+F4
gone "Dialog Color" || fail "the colour chooser did not close"

# The close request ends the program, closing its windows.
xdotool windowactivate --sync "$main" 2>/dev/null
keys alt+F4
for _ in $(seq 50); do kill -0 "$vorlan" 2>/dev/null || break; sleep 0.1; done
kill -0 "$vorlan" 2>/dev/null && fail "the close request did not end the program"
wait "$vorlan" || fail "the program ended with status $?"
grep -q '^Wind Speed:10.0' "$work/Vorlan2 Extras.vxf" || fail "the wind speed was not kept beside the settings"
grep -q '^Precision MOA:1.00' "$work/Vorlan2 Extras.vxf" || fail "the typed precision was not kept with the shot"
grep -q '^Observations:range_yd up_moa;300 4.75;500 11.53;700 20.09;800 25.18;1000 37.35' "$work/Vorlan2 Extras.vxf" ||
  fail "the holds were not kept with the shot"
grep -q '^Drag Scale:' "$work/Vorlan2 Extras.vxf" || fail "Apply did not put the drag scale into the shot"
grep -q '^Velocity:2700' "$work/Vorlan2.ini" && fail "Apply did not change the velocity"
echo "desktop tour passed"
