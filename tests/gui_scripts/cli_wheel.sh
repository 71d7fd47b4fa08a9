#!/bin/bash
# omvera-cli wheel with no display: the natal chart picture in PNG and BMP at the default and
# a chosen size, the house system reaching the picture, glyphs from the current folder, and
# the refusal of bad arguments.
# Usage: cli_wheel.sh BUILD_DIR SOURCE_DIR
set -u
BUILD=$1
CLI=$BUILD/omvera-cli
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
for tool in convert compare od; do
    command -v "$tool" >/dev/null || fail "missing $tool"
done
CHART="--date 15.1.1980 --time 12:30 --lat 56.01 --lon 92.45"
# No display and no platform chosen: the command picks the off-screen one itself.
wheel() { (cd "$WORK/run" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$CLI" wheel "$@"); }
# Big-endian and little-endian 32-bit numbers at a byte offset of a file.
be32() { od -An -tu1 -j "$2" -N4 "$1" | awk '{ print $1 * 16777216 + $2 * 65536 + $3 * 256 + $4 }'; }
le32() { od -An -tu4 -j "$2" -N4 --endian=little "$1" | tr -d ' '; }
spread() { convert "$1" -format '%[fx:standard_deviation]' info:; }

mkdir -p "$WORK/run"
cp -r "$BUILD/Dann" "$WORK/run/Dann"

# The default picture: Image1 of the main window at its design size.
wheel $CHART --out "$WORK/natal.png" 2>"$WORK/err" || fail "default PNG: $(cat "$WORK/err")"
[ -s "$WORK/err" ] && fail "unexpected messages: $(cat "$WORK/err")"
[ "$(od -An -c -j1 -N3 "$WORK/natal.png" | tr -d ' ')" = "PNG" ] || fail "not a PNG file"
[ "$(be32 "$WORK/natal.png" 16)x$(be32 "$WORK/natal.png" 20)" = "471x336" ] || fail "default size"
awk -v s="$(spread "$WORK/natal.png")" 'BEGIN { exit !(s > 0.05) }' || fail "blank picture"

# The same chart as BMP is the same picture, pixel for pixel.
wheel $CHART --out "$WORK/natal.BMP" || fail "BMP by the upper-case extension"
[ "$(od -An -c -N2 "$WORK/natal.BMP" | tr -d ' ')" = "BM" ] || fail "not a BMP file"
[ "$(compare -metric AE "$WORK/natal.png" "$WORK/natal.BMP" null: 2>&1)" = "0" ] ||
    fail "BMP and PNG of one chart differ"

# A chosen size; another house system changes the picture.
wheel $CHART --size 1000x700 --out "$WORK/big.bmp" || fail "--size"
[ "$(le32 "$WORK/big.bmp" 18)x$(le32 "$WORK/big.bmp" 22)" = "1000x700" ] || fail "chosen size"
wheel $CHART --houses K --out "$WORK/koch.png" || fail "--houses K"
[ "$(compare -metric AE "$WORK/natal.png" "$WORK/koch.png" null: 2>&1)" != "0" ] ||
    fail "the house system does not reach the picture"
wheel $CHART --size 16x16 --out "$WORK/tiny.png" || fail "the smallest picture"

# The glyphs come from Dann in the current folder: without it the chart is drawn without them
# and one warning names the missing files.
rm -rf "$WORK/run/Dann"
wheel $CHART --out "$WORK/bare.png" 2>"$WORK/err" || fail "without glyphs"
grep -q 'Owen.bmp' "$WORK/err" && grep -q 'Lilit.bmp' "$WORK/err" || fail "missing glyphs named"
[ "$(compare -metric AE "$WORK/natal.png" "$WORK/bare.png" null: 2>&1)" != "0" ] ||
    fail "glyphs made no difference"

# A file that cannot be written fails with status 1 and leaves nothing behind.
wheel $CHART --out "$WORK/no/such/folder/x.png" 2>"$WORK/err"
[ $? -eq 1 ] || fail "unwritable file: status"
grep -q 'omvera-cli:' "$WORK/err" || fail "unwritable file: message"

# Bad arguments: status 2, a message naming the command, nothing written.
bad=(
    "$CHART"
    "$CHART --out $WORK/x.jpg"
    "$CHART --out $WORK/x.png --size 800"
    "$CHART --out $WORK/x.png --size 15x100"
    "$CHART --out $WORK/x.png --size 100x6001"
    "$CHART --out $WORK/x.png --size 0x0"
    "$CHART --out $WORK/x.png --json"
    "$CHART --out $WORK/x.png --out $WORK/y.png"
    "--date 15.13.1980 --time 12:30 --lat 1 --lon 2 --out $WORK/x.png"
    "--date 15.1.1980 --time 12:30 --lat 1 --out $WORK/x.png"
    "$CHART --houses X --out $WORK/x.png"
    "$CHART --out"
    "$CHART --kind moon --out $WORK/x.png"
    "$CHART --kind transit --out $WORK/x.png"
    "$CHART --kind solar --out $WORK/x.png"
    "$CHART --kind lunar --year 2001 --out $WORK/x.png"
    "$CHART --kind lunar --year 2001 --month 3 --pick 4 --out $WORK/x.png"
    "$CHART --kind solar --year 2001 --date2 1.1.2000 --time2 0:0 --out $WORK/x.png"
    "$CHART --year 2001 --out $WORK/x.png"
    "$CHART --kind transit --date2 1.1.2000 --time2 0:0 --pick 1 --out $WORK/x.png"
)
for args in "${bad[@]}"; do
    # shellcheck disable=SC2086
    wheel $args >"$WORK/out" 2>"$WORK/err"
    status=$?
    [ $status -eq 2 ] || fail "status $status for: $args"
    grep -q 'omvera-cli: wheel: ' "$WORK/err" || fail "message for: $args ($(cat "$WORK/err"))"
    [ -e "$WORK/x.png" ] && fail "a file written for: $args"
done

# The two-chart pictures of the second chart form's buttons: each differs from the natal one
# and from the others.
kinds=(
    "--kind transit --date2 8.12.2026 --time2 10:00"
    "--kind synastry --date2 1.5.1982 --time2 6:30 --lat2 55.45 --lon2 37.37 --name2 Партнер"
    "--kind solar --year 2001"
    "--kind lunar --year 2005 --month 3 --pick 2"
)
i=0
for k in "${kinds[@]}"; do
    i=$((i + 1))
    # shellcheck disable=SC2086
    wheel $CHART $k --out "$WORK/kind$i.png" 2>"$WORK/err" || fail "$k: $(cat "$WORK/err")"
    [ "$(compare -metric AE "$WORK/natal.png" "$WORK/kind$i.png" null: 2>&1)" -gt 1000 ] ||
        fail "$k draws the natal picture"
done
[ "$(compare -metric AE "$WORK/kind1.png" "$WORK/kind2.png" null: 2>&1)" -gt 1000 ] ||
    fail "transit and synastry pictures are alike"

wheel --help >"$WORK/help" || fail "--help"
for option in --date --time --lat --lon --houses --out --size --kind --pick --date2 --year --month; do
    grep -q -- "$option" "$WORK/help" || fail "--help misses $option"
done
"$CLI" --help | grep -q '^  wheel ' || fail "wheel not listed"
echo "cli wheel OK"
