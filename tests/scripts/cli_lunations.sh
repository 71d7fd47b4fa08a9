#!/bin/bash
# omvera-cli lunations: the table of a year as text and JSON, the build's help pages carry the
# same rows, and bad arguments are refused.
# Usage: cli_lunations.sh BUILD_DIR SOURCE_DIR
set -u
CLI=$1/omvera-cli
fail() { echo "FAIL: $*"; exit 1; }

out=$("$CLI" lunations --from 2024 --to 2024) || fail "lunations: $out"
[ "$(wc -l <<<"$out")" = 26 ] || fail "2024 has 25 phases and a header: $out"
grep -qx "2024-04-08 18:21 Новолуние   19°24' Овен      полное солнечное затмение, 18:18" <<<"$out" ||
    fail "the total solar eclipse of 2024: $out"
grep -q "^2024-10-02 18:49 Новолуние .*кольцеобразное солнечное затмение, 18:4[5-7]$" <<<"$out" ||
    fail "the annular eclipse of 2024"
[ "$(grep -c затмение <<<"$out")" = 4 ] || fail "2024 has four eclipses"

json=$("$CLI" lunations --from 2018 --to 2018 --json) || fail "lunations --json"
python3 - "$json" <<'PY' || fail "json"
import json, sys
rows = json.loads(sys.argv[1])
assert len(rows) in (24, 25, 26), len(rows)
blood = [r for r in rows if r["date"] == "2018-07-27"][0]
assert blood["phase"] == "full", blood
assert blood["eclipse"]["body"] == "lunar" and blood["eclipse"]["kind"] == "total", blood
assert blood["eclipse"]["greatest"] in ("2018-07-27 20:21", "2018-07-27 20:22"), blood
assert blood["position"].endswith("Водолей"), blood
assert sum("eclipse" in r for r in rows) == 5, "2018 had three partial solar and two total lunar"
PY

# The help page built from the same table.
page="$1/Dann/Help/luna2010.htm"
[ -f "$page" ] || fail "no $page"
iconv -f WINDOWS-1251 -t UTF-8 "$page" | grep -q "<td>2017-08-21</td><td>18:30</td><td>Новолуние</td>" ||
    fail "the 2017 eclipse in $page"
[ -f "$1/Dann/Help/luna.htm" ] || fail "no luna.htm"

"$CLI" lunations --from 2000 >/dev/null 2>&1; [ $? = 2 ] || fail "a missing --to is a usage error"
"$CLI" lunations --from x --to 2000 >/dev/null 2>&1; [ $? = 2 ] || fail "a bad year is a usage error"
err=$("$CLI" lunations --from 1500 --to 1600 2>&1); [ $? = 1 ] || fail "an uncomputed range fails"
[[ "$err" == *"от 1600 до 2100"* ]] || fail "the range message: $err"
echo ok
