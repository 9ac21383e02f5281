#!/bin/sh
# profiles.sh CLI EXAMPLES DIR: a shot exported to .a7p and imported back keeps its inputs; a
# damaged profile is refused, naming the field, and leaves no shot file behind.
set -e
cli=$1 examples=$2 dir=$3
shot="$dir/profile-shot.vxf" profile="$dir/profile.a7p" back="$dir/profile-back.vxf"
rm -f "$shot" "$profile" "$back" "$dir/profile-damaged.vxf"
"$cli" write "$shot" --from "$examples/rifle-308-g7.vxf" --line "Bullet Length:1.240" --line "Twist Rate:10"
"$cli" export "$shot" -o "$profile"
# 32 hexadecimal digits of MD5, then the payload.
head -c 32 "$profile" | grep -Eq '^[0-9a-f]{32}$' || { echo "no MD5 at the start"; exit 1; }
"$cli" import "$profile" -o "$back"
# 2700 ft/s is 823.0 m/s at the profile's 0.1 m/s, 2700.1 ft/s back.
for key in "Velocity:2700.1" "Weight:175.0" "BC:0.2430" "Drag Function:4" "Sight-In Range:100" "Bullet Length:1.240"; do
  grep -q "^$key" "$back" || { echo "import lost $key"; exit 1; }
done
# A flipped byte in the payload: refused with the MD5 named, exit status 1, nothing written.
size=$(wc -c < "$profile")
{ head -c $((size - 1)) "$profile"; printf 'X'; } > "$dir/profile-damaged.a7p"
status=0
"$cli" import "$dir/profile-damaged.a7p" -o "$dir/profile-damaged.vxf" 2> "$dir/profile-damaged.err" || status=$?
[ "$status" = 1 ] || { echo "damaged profile: exit status $status"; exit 1; }
grep -q "MD5" "$dir/profile-damaged.err" || { echo "the refusal does not name the MD5"; exit 1; }
[ ! -e "$dir/profile-damaged.vxf" ] || { echo "a damaged profile wrote a shot"; exit 1; }
# A shot without a bullet length has no profile.
status=0
"$cli" export "$examples/rifle-308-g7.vxf" -o "$dir/profile-none.a7p" 2> "$dir/profile-none.err" || status=$?
[ "$status" = 1 ] && grep -q "Bullet Length" "$dir/profile-none.err" || { echo "export without a length"; exit 1; }
[ ! -e "$dir/profile-none.a7p" ]
# The card of a shot that keeps a profile's distances (100 m and 200 m) has those rows.
ranges="$dir/profile-ranges.vxf"
"$cli" write "$ranges" --from "$examples/rifle-308-g7.vxf" --line "Card Ranges:109.36132983377078;218.72265966754156"
"$cli" card "$ranges" --text --metric | grep -q "^  100  100 m " || { echo "the card lost the 100 m row"; exit 1; }
[ "$("$cli" card "$ranges" --text --metric | grep -Ec "^ +[0-9.]+ +[0-9.]+ m ")" = 2 ] || { echo "the card has other rows"; exit 1; }
