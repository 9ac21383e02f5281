#!/bin/sh
# expect.sh STATUS PATTERN [GOLDEN|-] -- COMMAND...
# Runs COMMAND; passes when it exits with STATUS, its output (stdout and stderr) matches the
# extended regular expression PATTERN (searched across lines), and, when GOLDEN is given,
# its standard output equals that file byte for byte.
status=$1 pattern=$2 golden=$3
shift 4
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
"$@" >"$out" 2>"$err"
actual=$?
if [ "$actual" -ne "$status" ]; then
  echo "exit status $actual, expected $status"; cat "$err"; exit 1
fi
if ! cat "$out" "$err" | tr '\n' '\001' | grep -Eq "$(printf '%s' "$pattern" | sed 's/\\n/\x01/g')"; then
  echo "output does not match: $pattern"; cat "$out" "$err"; exit 1
fi
if [ "$golden" != "-" ] && ! cmp -s "$out" "$golden"; then
  echo "output differs from $golden:"; diff "$golden" "$out" | head -20; exit 1
fi
exit 0
