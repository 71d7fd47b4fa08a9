#!/bin/bash
# omvera-cli computes without Qt: the commands that draw nothing load no Qt library, while
# the drawing commands (wheel, report --out FILE.pdf) run in the drawing companion
# omvera-cli-qt with its output, errors and exit status; without a companion they say so.
# Usage: cli_light.sh BUILD_DIR SOURCE_DIR
set -u
BUILD=$1
CLI=$BUILD/omvera-cli
HELPER=$BUILD/omvera-cli-qt
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
CHART=(--date 5.3.1980 --time 9:05 --lat 56.01 --lon 92.45)

# The Qt libraries the dynamic loader brought into one run of a command (stdout kept in
# $WORK/out, stderr in $WORK/err).
qt_loaded() {
    rm -f "$WORK"/ld.*
    LD_DEBUG=libs LD_DEBUG_OUTPUT="$WORK/ld" "$@" >"$WORK/out" 2>"$WORK/err"
    local status=$?
    cat "$WORK"/ld.* 2>/dev/null | grep -o 'libQt[0-9A-Za-z]*\.so[.0-9]*' | sort -u
    return $status
}

readelf -d "$CLI" | grep NEEDED | grep -qi qt && fail "omvera-cli is linked with Qt"

cd "$BUILD" || fail "no build folder"
[ -z "$(qt_loaded "$CLI" chart "${CHART[@]}")" ] || fail "chart loads Qt"
grep -q '^Солн ' "$WORK/out" || fail "chart prints the bodies"
[ -z "$(qt_loaded "$CLI" chart "${CHART[@]}" --json)" ] || fail "chart --json loads Qt"
[ -z "$(qt_loaded "$CLI" report natal "${CHART[@]}" --name Анна)" ] || fail "report loads Qt"
[ "$(wc -l < "$WORK/out")" -gt 20 ] || fail "report natal prints its lines"
[ -z "$(qt_loaded "$CLI" report natal "${CHART[@]}" --out "$WORK/r.rtf")" ] || fail "report --out .rtf loads Qt"
head -c 5 "$WORK/r.rtf" | grep -q '{\\rtf' || fail "report --out .rtf writes RTF"
[ -z "$(qt_loaded "$CLI" coverage --family natal)" ] || fail "coverage loads Qt"
[ -z "$(qt_loaded "$CLI" sections Dann/Radix/Begin.TXT --marker '&')" ] || fail "sections loads Qt"
[ -z "$(qt_loaded "$CLI" --help)" ] || fail "--help loads Qt"
grep -q '^  wheel ' "$WORK/out" || fail "--help lists wheel"

if [ -x "$HELPER" ]; then
    # The check sees Qt where it is: the companion loads it for the same chart.
    [ -n "$(qt_loaded "$HELPER" chart "${CHART[@]}")" ] || fail "the loader check does not see Qt"

    # Drawing commands pass through omvera-cli unchanged.
    "$CLI" wheel "${CHART[@]}" --out "$WORK/w.png" --size 200x150 || fail "wheel through omvera-cli"
    head -c 8 "$WORK/w.png" | grep -q 'PNG' || fail "wheel writes a PNG"
    "$CLI" report natal "${CHART[@]}" --out "$WORK/r.pdf" || fail "report --out .pdf through omvera-cli"
    head -c 5 "$WORK/r.pdf" | grep -q '%PDF' || fail "report --out .pdf writes a PDF"
    "$CLI" report natal "${CHART[@]}" --out "$WORK/R.PDF" || fail "report --out .PDF"
    head -c 5 "$WORK/R.PDF" | grep -q '%PDF' || fail "an upper-case .PDF is a PDF too"
    "$CLI" wheel --help | grep -q -- '--size ШxВ' || fail "wheel --help is the companion's"
    "$CLI" wheel "${CHART[@]}" --out "$WORK/x.png" --size 5x5 2>"$WORK/err"
    [ $? -eq 2 ] || fail "a bad wheel argument keeps exit status 2"
    grep -q 'размер' "$WORK/err" || fail "the companion's message reaches stderr"
    # A companion that was handed the line already never hands it on.
    OMVERA_CLI_HANDED_OVER=1 "$CLI" wheel "${CHART[@]}" --out "$WORK/y.png" 2>"$WORK/err"
    [ $? -eq 2 ] || fail "no second hand-over"
    [ ! -e "$WORK/y.png" ] || fail "no picture without the companion"
fi

# omvera-cli alone (no companion beside it): computes as before, refuses to draw.
mkdir -p "$WORK/alone"
cp "$CLI" "$WORK/alone/omvera-cli"
"$WORK/alone/omvera-cli" wheel "${CHART[@]}" --out "$WORK/a.png" 2>"$WORK/err"
[ $? -eq 2 ] || fail "wheel without the companion: exit status 2"
grep -q 'не рисует' "$WORK/err" || fail "wheel without the companion says why"
"$WORK/alone/omvera-cli" report natal "${CHART[@]}" --out "$WORK/a.pdf" 2>"$WORK/err"
[ $? -eq 2 ] || fail "report .pdf without the companion: exit status 2"
grep -q 'не пишет PDF' "$WORK/err" || fail "report .pdf without the companion says why"
[ ! -e "$WORK/a.pdf" ] && [ ! -e "$WORK/a.png" ] || fail "nothing written without the companion"
"$WORK/alone/omvera-cli" report natal "${CHART[@]}" --folder "$BUILD" --out "$WORK/a.rtf" ||
    fail "report .rtf without the companion"
"$WORK/alone/omvera-cli" chart "${CHART[@]}" | grep -q '^Солн ' || fail "chart without the companion"
echo "ok"
