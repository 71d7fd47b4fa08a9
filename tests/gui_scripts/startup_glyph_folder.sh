#!/usr/bin/env bash
# The real program started over a data folder whose "Sol.bmp" is a folder: it must come up
# and stay up (showing its start-up message), not abort.
set -uo pipefail
build="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$build/Dann" "$work/Dann"
rm -f "$work/Dann/Sol.bmp"
mkdir "$work/Dann/Sol.bmp"
(cd "$work" && QT_QPA_PLATFORM=offscreen timeout 4 "$build/omvera" >"$work/out" 2>"$work/err")
status=$?
# 124: still running when the time was up, as a program waiting for its user is.
[ "$status" = 124 ] || { echo "omvera ended with status $status: $(cat "$work/err")"; exit 1; }
grep -q "terminate called" "$work/err" && { echo "uncaught exception: $(cat "$work/err")"; exit 1; }
exit 0
