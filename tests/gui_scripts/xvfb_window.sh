#!/usr/bin/env bash
# Starts the real program in a real X window under Xvfb, goes through the menu with the
# mouse and keyboard as a person would, and saves screenshots in BUILD_DIR/screenshots.
set -euo pipefail
build="$1"
shots="$build/screenshots"
mkdir -p "$shots"
source "$(dirname "$0")/../../tools/xvfb_program.sh"
start_program "$build"
sleep 0.5

shot() { /usr/bin/import -window root "$shots/$1.png"; }
# Opens the n-th menu of the menu bar (x in window coordinates) and walks it with the keys.
menu() {
    local x="$1"
    shift
    xdotool mousemove --window "$win" "$x" 10 click 1
    sleep 0.3
    for k in "$@"; do xdotool key "$k"; sleep 0.15; done
    sleep 0.4
    dismiss
}
# Closes the message a command ends with, if any (the warning box "Омвера": the forms start
# with no month chosen, which every chart reports), and keeps a picture of it.
dismiss() {
    local box
    box=$(xdotool search --onlyvisible --name "^Омвера\$" 2>/dev/null | head -n1 || true)
    [ -n "$box" ] || return 0
    /usr/bin/import -window root "$shots/message-$((++messages)).png"
    xdotool windowactivate --sync "$box" >/dev/null 2>&1 || true
    xdotool key Return
    sleep 0.4
}
messages=0
alive() { kill -0 "$app" 2>/dev/null || { echo "the program ended unexpectedly after: $1"; exit 1; }; }

shot 01-start
alive start
# "Справка" -> "Время": the time-zone list in the text view.
source "$(dirname "$0")/xvfb_menu_steps.inc"
run_menu_steps
alive "menu steps"
shot 99-end

# The screenshots are not blank.
for f in "$shots"/*.png; do
    sd=$(/usr/bin/convert "$f" -format '%[fx:standard_deviation]' info: 2>/dev/null || echo 1)
    awk -v s="$sd" 'BEGIN { exit !(s > 0.01) }' || { echo "blank screenshot $f"; exit 1; }
done
# "Карта" -> "Выход" (the last item) ends the program, the first chart form being still open.
menu 20 Up Return
for _ in $(seq 50); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
kill -0 "$app" 2>/dev/null && { echo "the program did not end on \"Выход\""; exit 1; }
echo "screenshots in $shots"
