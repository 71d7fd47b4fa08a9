#!/bin/bash
# omvera-cli report --out FILE.rtf|.pdf and wheel --out FILE.pdf|.png: the files other
# programs read back. The RTF goes through LibreOffice (soffice --convert-to txt) when it is
# installed, the PDFs through pdftotext, the PNG through ImageMagick.
# Usage: cli_saving.sh BUILD_DIR SOURCE_DIR
set -u
BUILD=$1
CLI=$BUILD/omvera-cli
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v pdftotext >/dev/null || fail "missing pdftotext (poppler-utils, tools/packages.sh)"
CHART="--date 15.1.1980 --time 12:30 --lat 56.01 --lon 92.45"
cli() { (cd "$WORK" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$CLI" "$@"); }
cp -r "$BUILD/Dann" "$WORK/Dann"
# shellcheck disable=SC2086
cli report child $CHART --name "Иван {Петров}" >"$WORK/lines.txt" || fail "report"

# RTF: 7-bit, Windows-1251 code page, the view's font; nothing on stdout.
# shellcheck disable=SC2086
cli report child $CHART --name "Иван {Петров}" --out "$WORK/r.RTF" >"$WORK/out" ||
    fail "report --out rtf"
[ -s "$WORK/out" ] && fail "report --out printed the lines"
head -c 30 "$WORK/r.RTF" | grep -q '^{\\rtf1\\ansi\\ansicpg1251' || fail "not an RTF header"
LC_ALL=C grep -q '[^[:print:][:space:]]' "$WORK/r.RTF" && fail "RTF is not 7-bit text"
grep -q 'Courier' "$WORK/r.RTF" || fail "RTF font"

if command -v soffice >/dev/null; then
    mkdir -p "$WORK/lo"
    # A private profile, so a user's running office is neither used nor disturbed.
    HOME="$WORK/lo" timeout 180 soffice --headless -env:UserInstallation=file://"$WORK/lo/profile" \
        --convert-to "txt:Text (encoded):UTF8,LF" --outdir "$WORK/lo" "$WORK/r.RTF" \
        >"$WORK/lo/log" 2>&1 || fail "soffice: $(cat "$WORK/lo/log")"
    # LibreOffice writes a byte-order mark; the lines are the view's, blanks included.
    sed '1s/^\xEF\xBB\xBF//' "$WORK/lo/r.txt" >"$WORK/lo/back.txt"
    diff "$WORK/lines.txt" "$WORK/lo/back.txt" >"$WORK/lo/diff" ||
        fail "LibreOffice reads other lines: $(head -20 "$WORK/lo/diff")"
else
    echo "NOTE: soffice (libreoffice-writer-nogui) is not installed: RTF round trip skipped"
fi

# PDF of the report: pdftotext gives its words in order.
# shellcheck disable=SC2086
cli report child $CHART --name "Иван {Петров}" --out "$WORK/r.pdf" || fail "report --out pdf"
pdftotext -enc UTF-8 "$WORK/r.pdf" "$WORK/r.pdf.txt" || fail "pdftotext of the report"
tr -s ' \t\f\n' '\n\n\n\n' <"$WORK/lines.txt" | sed '/^$/d' >"$WORK/words.want"
tr -s ' \t\f\n' '\n\n\n\n' <"$WORK/r.pdf.txt" | sed '/^$/d' >"$WORK/words.got"
diff -q "$WORK/words.want" "$WORK/words.got" >/dev/null ||
    fail "PDF text differs: $(diff "$WORK/words.want" "$WORK/words.got" | head)"
# shellcheck disable=SC2086
cli report child $CHART --out "$WORK/r.txt" 2>"$WORK/err"
[ $? -eq 2 ] || fail "report --out with another extension"
[ -e "$WORK/r.txt" ] && fail "a file written for a refused extension"

# The wheel as PDF: one page of vectors (no image larger than a glyph) with the header's
# texts; as PNG a compressed file with the BMP's pixels.
# shellcheck disable=SC2086
cli wheel $CHART --out "$WORK/w.pdf" || fail "wheel --out pdf"
[ "$(pdfinfo "$WORK/w.pdf" | awk '/^Pages:/ { print $2 }')" = "1" ] || fail "wheel PDF pages"
pdftotext -enc UTF-8 "$WORK/w.pdf" - | grep -q '1980' || fail "wheel PDF has no header text"
pdfimages -list "$WORK/w.pdf" | awk 'NR > 2 && ($4 > 64 || $5 > 64) { bad = 1 } END { exit bad }' ||
    fail "the wheel PDF holds a large raster image"
# shellcheck disable=SC2086
cli wheel $CHART --out "$WORK/w.png" && cli wheel $CHART --out "$WORK/w.bmp" || fail "wheel png/bmp"
[ "$(compare -metric AE "$WORK/w.png" "$WORK/w.bmp" null: 2>&1)" = "0" ] || fail "PNG pixels"
[ "$(stat -c %s "$WORK/w.png")" -lt $(($(stat -c %s "$WORK/w.bmp") / 5)) ] ||
    fail "PNG not compressed: $(stat -c %s "$WORK/w.png") bytes"
echo "cli saving OK"
