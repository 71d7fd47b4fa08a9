#!/bin/bash
# omvera-cli solar and lunar: the found moments in both output forms, the bound of the lunar
# search at the end of the date range, and the refusal of bad arguments.
# Usage: cli_returns.sh BUILD_DIR SOURCE_DIR
set -u
CLI=$1/omvera-cli
fail() { echo "FAIL: $*"; exit 1; }
NATAL="--date 21.3.1980 --time 0:00 --lat 56.01 --lon 92.45"

# A birth at the spring equinox: the return lies in the asked year.
out=$("$CLI" solar --year 2001 $NATAL) || fail "solar: $out"
[[ "$out" =~ ^(19|20|21)\.3\.2001\ [0-9]+:[0-9]+$ ]] || fail "solar line '$out'"
json=$("$CLI" solar --year 2001 $NATAL --json) || fail "solar --json"
[[ "$json" == '{"year": 2001, "month": 3, '* ]] || fail "solar json '$json'"
# The JSON and the line agree.
d=$(sed -E 's/.*"day": ([0-9]+).*/\1/' <<<"$json")
[[ "$out" == "$d.3.2001 "* ]] || fail "solar json day $d vs '$out'"
# Another place of the return changes only the place, not the moment of the Sun.
[ "$("$CLI" solar --year 2001 $NATAL --place-lat -33.52 --place-lon 151.13)" = "$out" ] ||
    fail "the place of the return moved its moment"

# A natal Moon just after 0°: three returns about 27 days apart, listed as the form lists them.
lunar=$("$CLI" lunar --year 2005 --month 3 --date 12.8.1987 --time 9:15 --lat 56.01 --lon 92.45) ||
    fail "lunar: $lunar"
[ "$(wc -l <<<"$lunar")" = 3 ] || fail "lunar lines: $lunar"
while IFS= read -r line; do
    [[ "$line" =~ ^[\ 0-9]{3}\.[\ 0-9]{2}\.[0-9]{4}\ \ \ [\ 0-9]{2}:[\ 0-9]{2}$ ]] ||
        fail "lunar line format '$line'"
done <<<"$lunar"
ljson=$("$CLI" lunar --year 2005 --month 3 --date 12.8.1987 --time 9:15 --lat 56.01 --lon 92.45 --json)
[ "$(grep -o '"year"' <<<"$ljson" | wc -l)" = 3 ] || fail "lunar json '$ljson'"

# The end of the range: what was found is printed, then the message, status 1.
WORK_OUT=$(mktemp); WORK_ERR=$(mktemp)
trap 'rm -f "$WORK_OUT" "$WORK_ERR"' EXIT
"$CLI" lunar --year 2050 --month 12 $NATAL >"$WORK_OUT" 2>"$WORK_ERR"
[ $? = 1 ] || fail "lunar at the end of the range should exit 1"
grep -q "Лунар не найден" "$WORK_ERR" || fail "lunar bound message: $(cat "$WORK_ERR")"
[ "$(wc -l <"$WORK_OUT")" -le 2 ] || fail "more returns than the range holds"

# Bad arguments are refused, never clamped.
for bad in "solar $NATAL" "solar --year 2051 $NATAL" "solar --year 2001 --month 3 $NATAL" \
    "lunar --year 2001 $NATAL" "lunar --year 2001 --month 13 $NATAL" \
    "lunar --year 2001 --month 0 $NATAL" "solar --year 2001 --date 21.3.1980 --time 0:00" \
    "solar --year x $NATAL" "lunar --year 2001 --month 2 --bogus 1 $NATAL"; do
    "$CLI" $bad >/dev/null 2>&1
    [ $? = 2 ] || fail "'$bad' should be refused with status 2"
done
"$CLI" solar --help | grep -q -- "--place-lat" || fail "solar --help"
"$CLI" lunar --help | grep -q -- "--month" || fail "lunar --help"
echo "cli returns: ok"
