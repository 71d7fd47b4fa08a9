#!/bin/bash
# Debian's package checker on the package CPack makes: any error fails, warnings are shown.
# Usage: lintian.sh BUILD_DIR; exit status 77 (skipped) without lintian, cpack or dpkg-deb.
set -u
BUILD=$1
for tool in lintian cpack dpkg-deb; do
    command -v "$tool" >/dev/null || { echo "SKIPPED: $tool is not installed"; exit 77; }
done
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
cpack -G DEB -B "$WORK/pkg" --config "$BUILD/CPackConfig.cmake" >"$WORK/cpack.log" 2>&1 ||
    { cat "$WORK/cpack.log"; echo "FAIL: cpack -G DEB"; exit 1; }
DEB=$(ls "$WORK"/pkg/omvera_*.deb 2>/dev/null | head -n 1)
[ -n "$DEB" ] || { echo "FAIL: no omvera_*.deb made"; exit 1; }
# Errors fail the test; warnings are shown and fail nothing.
lintian --fail-on error "$DEB"
