#!/bin/bash
# The Debian package as a user gets it: made by CPack, unpacked into a temporary root and
# run from there. The installed programs find the installed data folder from a folder
# without one, give the same report as the build, and keep the person database in the user's
# data folder, never writing below the installation.
# Usage: deb_root.sh BUILD_DIR SOURCE_DIR; exit status 77 (skipped) without cpack or dpkg-deb.
set -u
BUILD=$1
for tool in cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
CHART=(--date 5.3.1980 --time 9:05 --lat 56.01 --lon 92.45)

cpack -G DEB -B "$WORK/pkg" --config "$BUILD/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; fail "cpack -G DEB"; }
DEB=$(ls "$WORK"/pkg/omvera_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || fail "no omvera_*.deb made"
[ "$(dpkg-deb -f "$DEB" Package)" = omvera ] || fail "package name"
DEPENDS=$(dpkg-deb -f "$DEB" Depends)
echo "Depends: $DEPENDS"
grep -q 'libc6' <<<"$DEPENDS" || fail "Depends names the C library (shlibdeps)"
dpkg-deb -c "$DEB" >"$WORK/contents"
for f in ./usr/bin/omvera-cli ./usr/share/omvera/Dann/Basa.TXT ./usr/share/omvera/Dann/Radix/Begin.TXT \
    ./usr/share/omvera/Dann/Help/Help.htm; do
    grep -q " $f\$" "$WORK/contents" || fail "the package lacks $f"
done
grep -q '\.lock\|Dann\.stamp\|\.XXXXXX' "$WORK/contents" && fail "the package holds files of the build"

GUI=0
grep -q ' ./usr/bin/omvera$' "$WORK/contents" && GUI=1
if [ $GUI = 1 ]; then
    grep -q 'libqt6widgets6' <<<"$DEPENDS" || fail "Depends names Qt Widgets"
    for f in ./usr/libexec/omvera/omvera-cli-qt ./usr/share/applications/omvera.desktop \
        ./usr/share/icons/hicolor/scalable/apps/omvera.svg \
        ./usr/share/icons/hicolor/48x48/apps/omvera.png; do
        grep -q " $f\$" "$WORK/contents" || fail "the package lacks $f"
    done
fi

ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT" || fail "dpkg-deb -x"
BIN=$ROOT/usr/bin
SHIPPED=$ROOT/usr/share/omvera/Dann/Basa.TXT
cp "$SHIPPED" "$WORK/shipped-before"
touch "$WORK/marker"
mkdir -p "$WORK/cwd" "$WORK/home"
cd "$WORK/cwd" || fail "cd"
export HOME=$WORK/home
unset XDG_DATA_HOME

"$BIN/omvera-cli" chart "${CHART[@]}" >"$WORK/chart" || fail "installed omvera-cli chart"
grep -q '^Солн ' "$WORK/chart" || fail "chart prints the bodies"
"$BIN/omvera-cli" report natal "${CHART[@]}" --name Анна >"$WORK/report" ||
    fail "installed omvera-cli report natal"
[ "$(wc -l <"$WORK/report")" -gt 20 ] || fail "the report has its texts"
(cd "$BUILD" && ./omvera-cli report natal "${CHART[@]}" --name Анна) >"$WORK/report-build"
cmp -s "$WORK/report" "$WORK/report-build" || fail "the installed report differs from the build's"

# The person database: the user's copy, made from the shipped one on first use.
SHIPPED_COUNT=$("$BIN/omvera-cli" people list | wc -l)
"$BIN/omvera-cli" people add "${CHART[@]}" --name Проверка || fail "people add"
USERDB=$HOME/.local/share/omvera/Basa.TXT
[ -f "$USERDB" ] || fail "the user's database is $USERDB"
[ "$("$BIN/omvera-cli" people list | wc -l)" -eq $((SHIPPED_COUNT + 1)) ] ||
    fail "the user's copy holds the shipped records and the new one"
cmp -s "$SHIPPED" "$WORK/shipped-before" || fail "the shipped database changed"
XDG_DATA_HOME=$WORK/xdg "$BIN/omvera-cli" people add "${CHART[@]}" --name Другой || fail "people add (XDG)"
[ -f "$WORK/xdg/omvera/Basa.TXT" ] || fail "XDG_DATA_HOME holds the database when set"

if [ $GUI = 1 ]; then
    # The drawing companion finds the installed glyphs: the same picture as the build's.
    "$BIN/omvera-cli" wheel "${CHART[@]}" --out "$WORK/w.png" 2>"$WORK/wheel-err" ||
        fail "installed omvera-cli wheel"
    [ ! -s "$WORK/wheel-err" ] || { cat "$WORK/wheel-err"; fail "the installed wheel warns"; }
    (cd "$BUILD" && ./omvera-cli wheel "${CHART[@]}" --out "$WORK/w-build.png") ||
        fail "omvera-cli wheel of the build"
    cmp -s "$WORK/w.png" "$WORK/w-build.png" || fail "the installed wheel differs from the build's"
    grep -q '^Exec=omvera$' "$ROOT/usr/share/applications/omvera.desktop" || fail "desktop entry"
    if command -v desktop-file-validate >/dev/null; then
        desktop-file-validate "$ROOT/usr/share/applications/omvera.desktop" || fail "desktop entry valid"
    fi
fi
[ -z "$(find "$ROOT" -newer "$WORK/marker" -print -quit)" ] || fail "something was written below the installation"
echo "ok"
