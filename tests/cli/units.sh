#!/bin/sh
# units.sh CLI EXAMPLES DATA: every command run with --units metric, its inputs given in metric
# units, prints the figures of its imperial run converted by the units' definitions, within what
# the printing rounds off; and the hit probability flies whole metres, not the yards nearest.
cli=$1 examples=$2 data=$3
rifle=$examples/rifle-308-g7.vxf
cd "$(mktemp -d)" || exit 1
failed=0

# same NAME FACTORS: i.txt (imperial) against m.txt (metric), line by line and token by token.
# A line's key is its first word, or "row:" and its first word after a leading number; FACTORS
# gives a key's factors, one per number of the line, the last repeating: "f" or "f@zero" for
# metric = (imperial - zero) * f. Words match as they are or as renamed (imperial>metric).
same() {
  awk -v name="$1" -v factors="$2" '
    BEGIN {
      n = split(factors, entry, "|")
      for (i = 1; i <= n; ++i) { k = entry[i]; sub(/ .*/, "", k); v = entry[i]; sub(/^[^ ]* /, "", v); want[k] = v }
      split("velocity_fps>velocity_mps range_yd>range_m range_yd,quantity>range_m,quantity drop_in>drop_cm in>cm in>mm yd>m ft/s>m/s", r, " ")
      for (i in r) renamed[r[i]] = 1
    }
    function numeric(t) { return t ~ /^-?[0-9]+(\.[0-9]*)?(e[-+][0-9]+)?$/ }
    function unit(t,   e) {
      e = index(t, "e") ? substr(t, index(t, "e") + 1) + 0 : 0
      sub(/e.*/, "", t)
      return (index(t, ".") ? 10 ^ -(length(t) - index(t, ".")) : 1) * 10 ^ e
    }
    function words(line, out,   all, n, i, k) {
      n = split(line, all, /[ ,:\t]+|±/); k = 0
      for (i = 1; i <= n; ++i) if (all[i] != "") out[++k] = all[i]
      return k
    }
    function keyOf(t, n,   i) {
      if (!numeric(t[1])) return t[1]
      for (i = 2; i <= n; ++i) if (!numeric(t[i])) return "row:" t[i]
      return "row"
    }
    function bad(why) { print name ": " why "\n  " imperial "\n  " $0; failed = 1 }
    NR == FNR { lines[FNR] = $0; next }
    {
      imperial = lines[FNR]
      ni = words(imperial, a); nm = words($0, b)
      if (ni != nm) { bad("not the same words"); next }
      nf = split(want[keyOf(a, ni)], f, " "); j = 0
      for (i = 1; i <= ni; ++i) {
        if (!numeric(a[i]) || !numeric(b[i]) || nf == 0) {
          if (a[i] != b[i] && !((a[i] ">" b[i]) in renamed)) bad("\"" a[i] "\" is not \"" b[i] "\"")
          continue
        }
        if (j < nf) ++j
        factor = f[j]; zero = 0
        if (index(factor, "@")) { zero = substr(factor, index(factor, "@") + 1); factor = substr(factor, 1, index(factor, "@") - 1) }
        d = (a[i] - zero) * factor - b[i]
        if (d < 0) d = -d
        if (factor < 0) factor = -factor
        if (d > 0.5 * unit(a[i]) * factor + 0.5 * unit(b[i]) + 1e-9) bad(a[i] " converts to " (a[i] - zero) * factor ", not " b[i])
      }
    }
    END { if (FNR != length(lines)) { print name ": not the same number of lines"; failed = 1 }
          exit failed }' i.txt m.txt || failed=1
}

# run NAME FACTORS IMPERIAL-ARGS -- METRIC-ARGS: both runs must succeed and print the same.
run() {
  name=$1 factors=$2
  shift 2
  imperial=""
  while [ "$1" != "--" ]; do imperial="$imperial '$1'"; shift; done
  shift
  eval "\"$cli\" $imperial" > i.txt || { echo "$name: the imperial run fails"; failed=1; return; }
  "$cli" "$@" > m.txt || { echo "$name: the metric run fails"; failed=1; return; }
  same "$name" "$factors"
}

yd=0.9144 ft=0.3048 gr=0.06479891 ftlb=1.3558179483 inhg=33.8638864
run calc "velocity $ft|weight $gr|energy $ftlb|power_factor 1" \
  calc --mode energy --velocity 2600 --weight 175 -- \
  calc --mode energy --velocity 792.48 --weight 11.33980925 --units metric
run calc-weight "velocity $ft|weight $gr|energy $ftlb|power_factor 1" \
  calc --mode weight --velocity 2600 --energy 2627.2 -- \
  calc --mode weight --velocity 792.48 --energy 3562.0329 --units metric
run recoil "recoil_energy $ftlb" \
  recoil --weight 175 --velocity 2600 --powder 44 --gun 160 -- \
  recoil --weight 11.33980925 --velocity 792.48 --powder 2.85115204 --gun 4.5359237 --units METRIC
run density "density 16.018463374|temperature 0.5555555556@32|pressure $inhg|altitude $ft|percent 1|humidity 1" \
  density "$rifle" -- density "$rifle" --units metric
run density-icao "density 16.018463374|temperature 0.5555555556@32|pressure $inhg|altitude $ft|percent 1|humidity 1" \
  density "$rifle" --icao -- density "$rifle" --icao --units metric
run stability "diameter 25.4|stability 1" \
  stability "$data/rifle-308-advanced.vxf" -- stability "$data/rifle-308-advanced.vxf" --units metric
run bc "bc 1" \
  bc "$rifle" --near 2700 --far 2500 --distance 150 -- \
  bc "$rifle" --near 822.96 --far 762 --distance 45.72 --units metric
run compare "range $yd|drop 2.54|drift 2.54" \
  compare "$data/rifle-308-advanced.vxf" "$rifle" -- compare "$data/rifle-308-advanced.vxf" "$rifle" --units metric
run true "velocity_fps $ft|drag_scale 1|row:up_moa $yd 1|row:velocity_fps $yd $ft" \
  true "$rifle" --observed "$data/truing-308.csv" --fit bc --csv -- \
  true "$rifle" --observed "$data/truing-308.csv" --fit bc --csv --units metric
# 1250 yd are 1143 m: the same figures, the ranges, spreads and target given in metric units.
run hit "target 2.54|row:yd $yd 1|variance $yd 1" \
  hit "$rifle" --wind-sd 3 --mv-sd 10 --range-sd 5 --sweep 1250:1250:1 --target 4x1000in --runs 2000 -- \
  hit "$rifle" --wind-sd 1.34112 --mv-sd 3.048 --range-sd 4.572 --sweep 1143:1143:1 --target 10.16x2540cm --runs 2000 --units metric
# 1 MOA alone on an 8 in (20.32 cm) circle at 300 m = 328.0839895 yd, where the spread is
# pi/10800 x 328.0839895 x 36 in: P(hit) = 1 - exp(-16 / (2 s^2)); at 328 yd it is 0.0002 higher.
"$cli" hit "$rifle" --units metric --csv --precision 1 --sweep 300:300:1 --target 20.32cm > p.txt || failed=1
awk -F, 'NR == 1 && $0 != "range_m,p_hit,p_hit_se,method" { print "hit: header " $0; exit 1 }
  NR == 2 { s = 3.14159265358979 / 10800 * 328.0839895 * 36; p = 1 - exp(-16 / (2 * s * s))
            d = $2 - p; if (d < 0) d = -d
            if ($1 != 300 || d > 1e-7) { print "hit: " $0 " is not 300," p; exit 1 } }' p.txt || failed=1
# The wind call alone: at 300 m P(hit) lies between its figures at 328 and 329 yd, and the
# ranges print as whole metres, the target in centimetres.
"$cli" hit "$rifle" --csv --wind-sd 3 --sweep 328:329:1 --target 4x1000in > y.txt || failed=1
"$cli" hit "$rifle" --units metric --csv --wind-sd 1.34112 --sweep 300:300:1 --target 10.16x2540cm > w.txt || failed=1
metric=$(sed -n 's/^300,\([0-9.]*\),.*/\1/p' w.txt)
awk -F, -v m="$metric" 'NR == 2 { near = $2 } NR == 3 { far = $2 }
  END { if (m == "" || !(near - m > 0.00005 && m - far > 0.00005)) { print "hit: 300 m gives " m ", not between " near " and " far; exit 1 } }' y.txt || failed=1
# An unknown unit is told.
"$cli" calc --mode energy --velocity 1 --weight 1 --units furlong 2> e.txt && failed=1
grep -q "^vorlan-cli: unknown units 'furlong': use metric or imperial$" e.txt || { echo "unknown units:"; cat e.txt; failed=1; }
exit $failed
