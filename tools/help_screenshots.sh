#!/usr/bin/env bash
# Makes the screenshots of the user manual (data/Dann/Help/*.png): starts the real program
# under Xvfb with the built data folder, walks the menus with xdotool as a person would and
# saves each window as a PNG. Needs Xvfb, xdotool and ImageMagick (import, convert).
# Usage: tools/help_screenshots.sh BUILD_DIR [OUTPUT_DIR]   (default data/Dann/Help)
set -euo pipefail
build=$(cd "$1" && pwd)
out=${2:-$(cd "$(dirname "$0")/.." && pwd)/data/Dann/Help}
command -v /usr/bin/convert >/dev/null || { echo "missing convert"; exit 1; }
mkdir -p "$out"
source "$(dirname "$0")/xvfb_program.sh"
start_program "$build"
# A larger main window than the design's 571 × 466 shows the wheel better.
xdotool windowmove "$win" 0 0 windowsize "$win" 760 620
sleep 1

window() { timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | head -n1; }
# Saves one window (by id) as a palette PNG, small enough for the data folder.
save() {
    # Without a window manager an obscured part of a window reads back black: raise it.
    xdotool windowraise "$2"
    sleep 1
    /usr/bin/import -window "$2" "$work/shot.png"
    /usr/bin/convert "$work/shot.png" -colors 128 "PNG8:$out/$1.png"
    echo "$out/$1.png"
}
# Saves a part of the screen (an open menu lies outside the main window).
save_area() {
    /usr/bin/import -window root -crop "$2" +repage "$work/shot.png"
    /usr/bin/convert "$work/shot.png" -colors 128 "PNG8:$out/$1.png"
    echo "$out/$1.png"
}
menu() {
    local x="$1"
    shift
    xdotool mousemove --window "$win" "$x" 10 click 1
    sleep 0.4
    for k in "$@"; do xdotool key "$k"; sleep 0.2; done
    sleep 0.6
}
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.8; }
bottom() { xdotool getwindowgeometry "$win" | awk -F'[x ]' '/Geometry/ {print $NF}'; }
alive() { kill -0 "$app" 2>/dev/null || { echo "the program ended unexpectedly after: $1"; exit 1; }; }

save main-start "$win"
# The chart menu opened down to "Радикс" (menu and window together).
menu 20 Down Right
save_area menu-chart 760x400+0+0
xdotool key Escape Escape Escape
sleep 0.3

# "Данные" -> "База данных": the second example record is chosen and, by a double click,
# goes into the first chart form.
menu 70 Down Down Down Return
base=$(window "База данных")
click "$base" 100 38
save database "$base"
xdotool mousemove --window "$base" 100 38 click --repeat 2 --delay 80 1
sleep 0.8
alive "База данных"

# "Данные" -> "1-й карты": the first chart form, filled from the database.
menu 70 Down Return
id1=$(window "Исходные-Данные")
save form-first "$id1"
alive "1-й карты"
# "Местное время...": a town by its former name (Latin letters: xdotool types Cyrillic
# unreliably under Xvfb) and an old-style date; Escape closes the
# dialog without touching the form.
click "$id1" 81 297
lt=$(window "Местное время")
xdotool type --delay 60 "Leningrad"
xdotool key Tab Tab
xdotool type --delay 60 "09.01.1905"
xdotool key Tab space Tab
xdotool type --delay 60 "12:00"
sleep 0.5
save form-localtime "$lt"
xdotool key Escape
sleep 0.5
alive "Местное время"

# "Карта" -> "Радикс" -> "Взрослый", then "Интерпретация".
menu 20 Down Right Return
save chart-natal "$win"
click "$win" 260 $(($(bottom) - 90 + 8 + 22))
save report-natal "$win"
alive "Интерпретация"

# "Карта" -> "Добавить карту" -> "Транзит" -> "Классический", then "Добавить в карту".
menu 20 Down Down Right Right Return
id2=$(window "2 -я Карта")
# "На сейчас": the moment of the transit is now.
click "$id2" 210 285
save form-second "$id2"
click "$id2" 80 285
save chart-transit "$win"
alive "Добавить в карту"

# "Карта" -> "Добавить карту" -> "Соляр": the solar arrangement of the second form.
menu 20 Down Down Right Down Return
id2=$(window "2 -я Карта")
save form-solar "$id2"

# The settings windows of "Установки".
menu 130 Down Return
save settings-planets "$(window "Включение Планет и Орбисы")"
menu 130 Down Down Return
save settings-houses "$(window "Дома")"
menu 130 Down Down Down Return
save settings-aspects "$(window "Установка Аспектов")"
menu 130 Up Return
save settings-step "$(window "Шаг")"
alive "Установки"

# "Посмотреть" -> "Аспекты Радикса": the separation grid.
menu 400 Down Down Down Return
save aspects-grid "$(window "Аспекты радикса")"
alive "Аспекты Радикса"
echo "screenshots in $out"
