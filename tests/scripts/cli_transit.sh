#!/bin/bash
# omvera-cli report transit|medical, transit-table and fatigue for fixed charts, against
# output worked out by hand from the positions, and the refusal of bad dates.
# Usage: cli_transit.sh BUILD_DIR SOURCE_DIR
set -u
CLI=$1/omvera-cli
fail() { echo "FAIL: $*"; exit 1; }
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
mkdir -p "$WORK/Dann/Tranzit"

# Radix 21.3.1980 0:00 (Sun 0.54, Mercury 337.51, Asc 3.40, MC 271.02), transit 21.3.1990
# 0:00 (Sun 0.12, Mercury 2.00, both in radix house 12). Only the Sun (orb 4) and Mercury
# (orb 2) take part, with the Asc and MC at orb 1: transit Sun on the radix Sun (0.42 < 4)
# and square the MC (89.10, 0.90 < 2.5); transit Mercury on the Sun (1.46 < 3), on the Asc
# (1.40 < 1.5) and square the MC (90.98, 0.98 < 1.5). The Sun is 3.28 from the Asc (> 2.5).
NATAL="--date 21.3.1980 --time 0:00 --lat 56.01 --lon 92.45 --name Анна"
ONLY="--orb 1=4 --orb 3=2"
for r in 2 4 5 6 7 8 9 10 11 12 13 14 15; do ONLY="$ONLY --include $r=0"; done
TRANSIT="--date2 21.3.1990 --time2 0:00"

LIST='   Солнце( 0.1) XII   0.4  Солнце ( 0.5)  
   Солнце( 0.1) XII  89.1  MC (271.0)  
   Меркурий( 2.0) XII   1.5  Солнце ( 0.5)  
   Меркурий( 2.0) XII   1.4  Asc ( 3.4)  
   Меркурий( 2.0) XII  91.0  MC (271.0)  '

# The texts: sections for three of the five keys, and headers that must not match them.
printf '%s\n' "вступление" "[+SOL] [0 [SOL]" "Солнце на Солнце" "[SOL] [0 [SOL]" "не транзит" \
    "[+SOL] 60 [SOL]" "не соединение" "[+MER] [0 [H10]" "не Асцендент" "[+MER] [0 [H1]" \
    "Меркурий на Асцендент" "[+MER] 90 [H10]" "Меркурий и MC" "[" >"$WORK/t.txt"
"$CLI" encipher --key transit "$WORK/t.txt" "$WORK/Dann/Tranzit/tranzit.txt" || fail "encipher"
printf '%s\n' "[+SOL] 90 [H10]" "медицина: Солнце и MC" "[" >"$WORK/m.txt"
"$CLI" encipher --key transit "$WORK/m.txt" "$WORK/Dann/Tranzit/tranzmed.txt" || fail "encipher"

expected="Транзит  Анна
На  21 Март 1990 среда
  
  
  
$LIST
 
Транзитная планета  Солнце  включает  12 дом
Транзитная планета  Меркурий  включает  12 дом
 
 
Солнце на Солнце
 
Меркурий на Асцендент
 
Меркурий и MC"
out=$("$CLI" report transit $NATAL $TRANSIT $ONLY --folder "$WORK") || fail "report transit: $out"
[ "$out" = "$expected" ] || fail "report transit:
$out"

json=$("$CLI" report medical $NATAL $TRANSIT $ONLY --folder "$WORK" --json) || fail "medical"
grep -qF '"file": "Dann\\Tranzit\\tranzmed.txt", "marker": "[", "title": "blank", "keys": [["[+SOL]", "[0", "[SOL]"], ["[+SOL]", "90", "[H10]"], ["[+MER]", "[0", "[SOL]"], ["[+MER]", "[0", "[H1]"], ["[+MER]", "90", "[H10]"]]' <<<"$json" ||
    fail "medical keys: $json"
grep -qF '" ", "медицина: Солнце и MC"]' <<<"$json" || fail "medical sections: $json"

# Without a text file the lists are printed, then the message, status 1.
"$CLI" report transit $NATAL $TRANSIT $ONLY --folder "$WORK/none" >"$WORK/out" 2>"$WORK/err"
[ $? = 1 ] || fail "a missing transit file should exit 1"
grep -q "tranzit.txt" "$WORK/err" || fail "missing file message: $(cat "$WORK/err")"
[ "$(grep -c 'включает' "$WORK/out")" = 2 ] || fail "the house lines before the failing search"
"$CLI" report transit $NATAL >/dev/null 2>&1
[ $? = 2 ] || fail "report transit without --date2 should be refused"

# The transit table for equal dates: the one day after Date 1 with the same list.
table=$("$CLI" transit-table $NATAL --from 20.3.1990 --to 20.3.1990 --time2 0:00 $ONLY \
    --folder "$WORK") || fail "transit-table: $table"
[ "$table" = "Транзиты на Радикс 21.03.1980
  
21.03.1990  среда
$LIST" ] || fail "transit-table:
$table"
"$CLI" transit-table $NATAL --from 20.3.1990 --to 20.3.1990 --time2 0:00 $ONLY --folder "$WORK" \
    --json | grep -qF '{"lines": ["Транзиты на Радикс 21.03.1980", "  ", "21.03.1990  среда", ' ||
    fail "transit-table --json"
days=$("$CLI" transit-table $NATAL --from 28.2.2024 --to 1.3.2024 $ONLY --folder "$WORK" |
    grep -E '^[0-9]')
[ "$days" = "29.02.2024  четверг
1.03.2024  пятница
2.03.2024  суббота" ] || fail "transit-table days: $days"

# Fatigue from a birth on 1.1.2000 0:00 over 1.1 .. 1.3.2000: "T2" turns on days 28 and 56,
# two of the first three cycles on days 35, 41 and 49.
fatigue=$("$CLI" fatigue --date 1.1.2000 --time 0:00 --lat 56.01 --lon 92.45 --name Анна \
    --from 1.1.2000 --to 1.3.2000 --folder "$WORK") || fail "fatigue: $fatigue"
[ "$fatigue" = "Дни усталости организма Анна
  Дата            Ф1       Ф2      Ф3      T2
  29. 1.2000       1       0       1       0
   5. 2.2000       0       0       1       1
  11. 2.2000       0       1       0       1
  19. 2.2000       1       0       0       1
  26. 2.2000       1       0       1       0" ] || fail "fatigue:
$fatigue"
[ "$("$CLI" fatigue --date 1.1.2000 --time 0:00 --lat 56.01 --lon 92.45 --from 1.3.2000 \
    --to 1.1.2000 --folder "$WORK" | wc -l)" = 202 ] || fail "fatigue bound of 200"

# A date that is not a date names its field: status 1, nothing printed.
out=$("$CLI" fatigue $NATAL --from 30.02.2000 --to 1.3.2000 --folder "$WORK" 2>"$WORK/err")
[ $? = 1 ] || fail "a bad date should exit 1"
[ -z "$out" ] || fail "a bad date printed '$out'"
grep -q "«Дата 1»" "$WORK/err" || fail "bad date message: $(cat "$WORK/err")"
"$CLI" fatigue $NATAL --from 1.1.2000 >/dev/null 2>&1
[ $? = 2 ] || fail "fatigue without --to should be refused"
"$CLI" fatigue $NATAL --from 1.1.2000 --to 2.1.2000 --time2 1:00 >/dev/null 2>&1
[ $? = 2 ] || fail "fatigue takes no --time2"
"$CLI" transit-table --help | grep -q -- "--time2" || fail "transit-table --help"
echo "cli transit: ok"
