#!/bin/bash
# The data tool and the text commands of omvera-cli on a small source tree of their own:
# enciphered texts ship enciphered and decipher back, bad characters and misspelt names fail
# the build with the file, and the CLI's section search prints what a report would.
# Usage: text_tools.sh BUILD_DIR SOURCE_DIR
set -u
BUILD=$1
TOOL=$BUILD/omvera-datatool
CLI=$BUILD/omvera-cli
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir -p "$WORK/src/Dann/Radix" "$WORK/src/Dann/Tranzit" "$WORK/src/Dann/Sins"
cat > "$WORK/src/Dann/Radix/PLZODIAC.txt" <<'TXT'
Планеты в знаках
&Солнце   Овен
Солнце в Овне: «огонь» — прямота…
&Луна     Рак
Луна в Раке.
&
TXT
printf '[01.090.05]\r\nквадрат\r\n[\r\n' > "$WORK/src/Dann/Tranzit/tranzit.txt"
printf '[h07.05][x] Марс в седьмом доме\n[0\n[\n' > "$WORK/src/Dann/Sins/SinAsp.txt"

"$TOOL" "$WORK/src" "$WORK/out" || fail "datatool on good sources"
OUT=$WORK/out/Dann
cmp -s "$OUT/Sins/SinAsp.txt" <(printf '[h07.05][x] \xcc\xe0\xf0\xf1 \xe2 \xf1\xe5\xe4\xfc\xec\xee\xec \xe4\xee\xec\xe5\r\n[0\r\n[\r\n') ||
    fail "a plain text ships as Windows-1251 CR LF"
grep -q 'Солнце' <(iconv -f cp1251 -t utf-8 "$OUT/Radix/PLZODIAC.txt") && fail "PLZODIAC.txt shipped plain"
[ "$(wc -l < "$OUT/Radix/PLZODIAC.txt")" = 6 ] || fail "enciphered file keeps its lines"

"$CLI" decipher --key radix "$OUT/Radix/PLZODIAC.txt" "$WORK/back.txt" || fail "decipher"
cmp -s "$WORK/back.txt" "$WORK/src/Dann/Radix/PLZODIAC.txt" || fail "radix text deciphers to its source"
"$CLI" decipher --key transit "$OUT/Tranzit/tranzit.txt" "$WORK/t.txt" || fail "decipher transit"
[ "$(cat "$WORK/t.txt")" = "$(printf '[01.090.05]\nквадрат\n[')" ] || fail "transit text deciphers"
"$CLI" encipher --key radix "$WORK/back.txt" "$WORK/again.txt" || fail "encipher"
cmp -s "$WORK/again.txt" "$OUT/Radix/PLZODIAC.txt" || fail "encipher gives the shipped file"

[ "$("$CLI" sections "$OUT/Radix/PLZODIAC.txt" --key radix --marker '&')" = \
  "$(printf '&Солнце   Овен\n&Луна     Рак')" ] || fail "sections lists the headers"
got=$("$CLI" print-sections "$OUT/Radix/PLZODIAC.txt" --key radix --marker '&' \
      --title first-char-blank --section-key 'Рак' --section-key 'Солнце|Овен')
[ "$got" = "$(printf ' Солнце   Овен\nСолнце в Овне: «огонь» — прямота…\n Луна     Рак\nЛуна в Раке.')" ] ||
    fail "print-sections first-char-blank: $got"
got=$("$CLI" print-sections "$OUT/Tranzit/tranzit.txt" --key transit --marker '[' --title blank \
      --section-key '[01|.090.|05]')
[ "$got" = "$(printf ' \nквадрат')" ] || fail "print-sections blank: $got"
got=$("$CLI" print-sections "$OUT/Sins/SinAsp.txt" --marker '[' --title after-second-bracket \
      --section-key '[h07.05]')
[ "$got" = " Марс в седьмом доме" ] || fail "print-sections after-second-bracket: $got"

# Bad command lines exit with 2.
for args in "print-sections $OUT/Sins/SinAsp.txt --marker [ --title after-second-bracket --section-key a|b" \
            "print-sections $OUT/Sins/SinAsp.txt --marker & --title after-second-bracket" \
            "print-sections $OUT/Sins/SinAsp.txt --marker [ --title bold" \
            "print-sections $OUT/Sins/SinAsp.txt --marker [ --title blank --section-key a|b|c|d" \
            "sections $OUT/Sins/SinAsp.txt --marker %" \
            "encipher --key lunar a b" "decipher --key radix a" "sections --marker"; do
    "$CLI" $args > /dev/null 2>&1
    [ $? = 2 ] || fail "usage error expected: $args"
done
"$CLI" print-sections "$WORK/none.txt" --marker '[' --title blank 2> "$WORK/err"
[ $? = 1 ] && grep -q "none.txt" "$WORK/err" || fail "missing file is reported with its name"

# Sources that cannot be stored fail the build, naming file and line.
mkdir -p "$WORK/bad/Dann/Radix"
printf 'ok\nстрока с \x01 внутри\n' > "$WORK/bad/Dann/Radix/natal_aspects.txt"
"$TOOL" "$WORK/bad" "$WORK/bad-out" 2> "$WORK/err" && fail "control character enciphered"
grep -q 'natal_aspects.txt:2:10:' "$WORK/err" || fail "control character reported: $(cat "$WORK/err")"
printf 'ok\nok\nэмодзи 😀\n' > "$WORK/bad/Dann/Radix/natal_aspects.txt"
"$TOOL" "$WORK/bad" "$WORK/bad-out" 2> "$WORK/err" && fail "emoji converted"
grep -q 'natal_aspects.txt:3:' "$WORK/err" || fail "emoji reported: $(cat "$WORK/err")"
rm "$WORK/bad/Dann/Radix/natal_aspects.txt"
printf 'x\n' > "$WORK/bad/Dann/Radix/plzodiac.txt"
"$TOOL" "$WORK/bad" "$WORK/bad-out" 2> "$WORK/err" && fail "misspelt name accepted"
grep -q 'PLZODIAC.txt' "$WORK/err" || fail "misspelt name reported: $(cat "$WORK/err")"
echo "OK"
