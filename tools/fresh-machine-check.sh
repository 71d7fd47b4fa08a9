#!/bin/bash
# Installs the Debian package on a fresh Debian machine and uses it as a person would: a
# minimal root of this machine's release made with debootstrap, the package installed with
# apt-get (its dependencies come from its own Depends), omvera-cli run and compared with the
# build's output, then a small desktop (Xvfb, IceWM with its menu made from the installed
# .desktop files) in which the program is started from the application menu, and at last
# the package purged and the root and the home folder searched for what it left.
#
# Needs root, the network (Debian's mirror) and ImageMagick (identify, compare); debootstrap is
# installed when missing. Not part of the tests run by CI.
#
# Usage: tools/fresh-machine-check.sh [--deb FILE] [--build DIR] [--cache DIR] [--out DIR]
#                                     [--no-recommends] [--keep-root]
#   --deb FILE        the package to check (default: made with cpack in the build folder)
#   --build DIR       the build folder (default: build/); its omvera-cli gives the expected
#                     output
#   --cache DIR       where the fresh root's tarball is kept between runs
#                     (default: $OMVERA_FRESH_CACHE or /var/cache/omvera-fresh-machine)
#   --out DIR         screenshots and logs (default: BUILD/fresh-machine)
#   --no-recommends   install the package without its Recommends (Depends alone)
#   --keep-root       leave the root in place (its path is printed) for a look afterwards
# Exit status 0 when every step passed, 1 otherwise, 2 for wrong usage.
set -u -o pipefail

SOURCE=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD=$SOURCE/build
DEB=""
CACHE=${OMVERA_FRESH_CACHE:-/var/cache/omvera-fresh-machine}
OUT=""
RECOMMENDS=""
KEEP=0
while [ $# -gt 0 ]; do
    case $1 in
    --deb) DEB=$(realpath "$2"); shift 2 ;;
    --build) BUILD=$(realpath "$2"); shift 2 ;;
    --cache) CACHE=$2; shift 2 ;;
    --out) OUT=$2; shift 2 ;;
    --no-recommends) RECOMMENDS=--no-install-recommends; shift ;;
    --keep-root) KEEP=1; shift ;;
    -h | --help) sed -n '2,/^set -u/p' "$0" | sed '$d; s/^# \{0,1\}//'; exit 0 ;;
    *) echo "unknown option: $1 (see --help)" >&2; exit 2 ;;
    esac
done
[ "$(id -u)" -eq 0 ] || { echo "run as root (debootstrap, chroot and mount need it)" >&2; exit 2; }
OUT=$(realpath -m "${OUT:-$BUILD/fresh-machine}")
mkdir -p "$OUT" "$CACHE"
rm -f "$OUT"/*.png "$OUT"/*.log "$OUT"/*.txt

# ---------------------------------------------------------------- results and clean-up
RESULTS=()
FAILED=0
pass() { RESULTS+=("PASS  $1"); echo "== PASS: $1"; }
fail() { RESULTS+=("FAIL  $1"); echo "== FAIL: $1"; FAILED=1; }
summary() {
    echo
    echo "================ fresh machine check: $CODENAME $ARCH ================"
    printf '%s\n' "${RESULTS[@]}"
    echo "screenshots and logs: $OUT"
    if [ $FAILED = 0 ]; then echo "RESULT: PASS"; else echo "RESULT: FAIL"; fi
}

CODENAME=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
ARCH=$(dpkg --print-architecture)
WORK=$(mktemp -d /var/tmp/omvera-fresh.XXXXXX)
ROOT=$WORK/root
MOUNTED=()
USER_NAME=tester
HOME_IN=/home/$USER_NAME
XDG_IN=$HOME_IN/.local/share
DISPLAY_NUM=:77

# Processes started inside the root (the desktop, the program) are ended by their ids.
root_pids() {
    local p
    for p in /proc/[0-9]*; do
        [ "$(readlink "$p/root" 2>/dev/null)" = "$ROOT" ] && echo "${p#/proc/}"
    done
}
cleanup() {
    local pids i
    pids=$(root_pids)
    [ -n "$pids" ] && kill $pids 2>/dev/null && sleep 1
    pids=$(root_pids)
    [ -n "$pids" ] && kill -9 $pids 2>/dev/null && sleep 0.5
    for ((i = ${#MOUNTED[@]} - 1; i >= 0; i--)); do
        umount "${MOUNTED[i]}" 2>/dev/null || umount -l "${MOUNTED[i]}" 2>/dev/null ||
            echo "could not unmount ${MOUNTED[i]}" >&2
    done
    # Anything still mounted below the root keeps the root on disk: never delete through a
    # bind mount of the host's /dev.
    if findmnt -rn -o TARGET | grep -q "^$ROOT"; then
        echo "still mounted below $ROOT; left in place:" >&2
        findmnt -rn -o TARGET | grep "^$ROOT" >&2
    elif [ $KEEP = 1 ]; then
        echo "the root is kept: $ROOT"
    else
        rm -rf "$WORK"
    fi
}
# The script's own output, for the traps: a signal can stop a command whose output goes to
# a log, and the traps then run with that redirection in force.
exec 3>&1 4>&2
on_exit() {
    local status=$?
    exec 1>&3 2>&4
    cleanup
    [ ${#RESULTS[@]} -gt 0 ] && summary
    [ $FAILED = 0 ] && [ $status = 0 ] || exit 1
}
trap on_exit EXIT
trap 'echo "interrupted" >&3; FAILED=1; exit 1' INT TERM

mount_in_root() { # TYPE-or-bind SOURCE TARGET
    local target=$ROOT$3
    mkdir -p "$target"
    if [ "$1" = bind ]; then mount --bind "$2" "$target"; else mount -t "$1" "$2" "$target"; fi ||
        return 1
    MOUNTED+=("$target")
}
# Commands in the root: as root, and as the ordinary user of the fresh machine.
in_root() {
    chroot "$ROOT" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
        DEBIAN_FRONTEND=noninteractive "$@"
}
as_user() {
    chroot --userspec=$USER_NAME:$USER_NAME "$ROOT" /usr/bin/env -i PATH=/usr/bin:/bin \
        HOME=$HOME_IN USER=$USER_NAME LOGNAME=$USER_NAME LANG=C.UTF-8 XDG_DATA_HOME=$XDG_IN \
        DISPLAY=$DISPLAY_NUM "$@"
}
user_sh() { as_user /bin/sh -c "cd $HOME_IN && $1"; }

# ---------------------------------------------------------------- 1. the package
CHART=(--date 5.3.1980 --time 9:05 --lat 56.01 --lon 92.45)
if [ -z "$DEB" ]; then
    echo "== making the package in $BUILD"
    if cmake --build "$BUILD" >"$OUT/build.log" 2>&1 &&
        cpack -G DEB -B "$WORK/pkg" --config "$BUILD/CPackConfig.cmake" >"$OUT/cpack.log" 2>&1; then
        DEB=$(ls "$WORK"/pkg/omvera_*.deb | head -n 1)
    fi
fi
if [ -n "$DEB" ] && [ -f "$DEB" ]; then
    pass "package $(basename "$DEB") (Depends: $(dpkg-deb -f "$DEB" Depends))"
else
    fail "the package was not made (see $OUT/build.log, $OUT/cpack.log)"
    exit 1
fi
if [ -x "$BUILD/omvera-cli" ] && [ -d "$BUILD/Dann" ]; then
    (cd "$BUILD" && ./omvera-cli chart "${CHART[@]}") >"$OUT/expected-chart.txt"
    (cd "$BUILD" && ./omvera-cli report natal "${CHART[@]}" --name Анна) >"$OUT/expected-report.txt"
    (cd "$BUILD" && ./omvera-cli wheel "${CHART[@]}" --out "$OUT/expected-wheel.png")
fi

# ---------------------------------------------------------------- 2. the fresh root
MIRROR=$(grep -hs -E '^(URIs:|deb )' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
    /etc/apt/sources.list.d/*.sources | grep -o -E 'https?://[^ ]*/debian/?$' | head -n 1)
MIRROR=${MIRROR:-http://deb.debian.org/debian}
TARBALL=$CACHE/debian-$CODENAME-$ARCH-minbase.tar.gz
mkdir -p "$ROOT"
if [ -f "$TARBALL" ]; then
    tar -xzf "$TARBALL" -C "$ROOT" && pass "fresh $CODENAME root from the cache $TARBALL" ||
        { fail "unpacking $TARBALL"; exit 1; }
else
    if ! command -v debootstrap >/dev/null; then
        apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap \
            >"$OUT/debootstrap-install.log" 2>&1 || { fail "installing debootstrap"; exit 1; }
    fi
    echo "== debootstrap --variant=minbase $CODENAME from $MIRROR (a few minutes)"
    if debootstrap --variant=minbase "$CODENAME" "$ROOT" "$MIRROR" >"$OUT/debootstrap.log" 2>&1; then
        tar -czf "$TARBALL.part" -C "$ROOT" . && mv "$TARBALL.part" "$TARBALL"
        pass "fresh $CODENAME root made with debootstrap (cached as $TARBALL)"
    else
        fail "debootstrap (see $OUT/debootstrap.log)"
        exit 1
    fi
fi

# The host's package sources and the keys they name, the name server; no service starts.
rm -f "$ROOT/etc/apt/sources.list"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; do
    [ -f "$f" ] && cp "$f" "$ROOT$f"
done
for key in $(grep -hs -o -E 'Signed-By: *[^ ]+|signed-by=[^] ]+' "$ROOT"/etc/apt/sources.list \
    "$ROOT"/etc/apt/sources.list.d/* | sed -E 's/^(Signed-By: *|signed-by=)//'); do
    [ -f "$key" ] && [ ! -e "$ROOT$key" ] && mkdir -p "$(dirname "$ROOT$key")" && cp "$key" "$ROOT$key"
done
cp -L /etc/resolv.conf "$ROOT/etc/resolv.conf"
printf '#!/bin/sh\nexit 101\n' >"$ROOT/usr/sbin/policy-rc.d"
chmod 755 "$ROOT/usr/sbin/policy-rc.d"

mount_in_root proc proc /proc && mount_in_root sysfs sysfs /sys && mount_in_root bind /dev /dev &&
    mount_in_root bind /dev/pts /dev/pts || { fail "mounting /proc, /sys, /dev, /dev/pts"; exit 1; }
in_root useradd -m -s /bin/bash $USER_NAME || { fail "useradd"; exit 1; }

# ---------------------------------------------------------------- 3. apt-get install
mkdir -p "$ROOT/tmp/omvera-package"
cp "$DEB" "$ROOT/tmp/omvera-package/"
in_root dpkg-query -W -f='${Package}\n' | sort >"$WORK/packages-before"
echo "== apt-get install ./$(basename "$DEB") $RECOMMENDS"
if in_root apt-get update >"$OUT/apt-update.log" 2>&1 &&
    in_root sh -c "cd /tmp/omvera-package && apt-get install -y $RECOMMENDS ./omvera_*.deb" \
        >"$OUT/apt-install.log" 2>&1; then
    in_root dpkg-query -W -f='${Package}\n' | sort >"$WORK/packages-after"
    comm -13 "$WORK/packages-before" "$WORK/packages-after" >"$OUT/installed-with-omvera.txt"
    pass "apt-get install ./$(basename "$DEB") $RECOMMENDS: $(wc -l <"$OUT/installed-with-omvera.txt") packages"
else
    fail "apt-get install of the package (see $OUT/apt-install.log)"
    exit 1
fi
in_root dpkg -L omvera >"$WORK/omvera-files"
HOME_BEFORE=$(cd "$ROOT$HOME_IN" && find . | sort)

# ---------------------------------------------------------------- 4. omvera-cli
check_cli() { # NAME EXPECTED-FILE COMMAND...
    local name=$1 expected=$2
    shift 2
    if ! user_sh "$*" >"$OUT/$name.txt" 2>"$OUT/$name-stderr.txt"; then
        fail "omvera-cli $name (exit status; see $OUT/$name-stderr.txt)"
    elif [ ! -s "$OUT/$name.txt" ]; then
        fail "omvera-cli $name printed nothing"
    elif [ ! -f "$expected" ]; then
        fail "omvera-cli $name: no build output to compare with (no $BUILD/omvera-cli)"
    elif ! cmp -s "$OUT/$name.txt" "$expected"; then
        diff "$expected" "$OUT/$name.txt" | head -n 20
        fail "omvera-cli $name differs from the build's output"
    else
        pass "omvera-cli $name: $(wc -l <"$OUT/$name.txt") lines, the same as the build's"
    fi
}
check_cli chart "$OUT/expected-chart.txt" omvera-cli chart "${CHART[@]}"
check_cli report-natal "$OUT/expected-report.txt" omvera-cli report natal "${CHART[@]}" --name Анна
# The pictures and the PDF: the drawing companion with the Qt of the fresh machine.
if user_sh "omvera-cli wheel ${CHART[*]} --out /tmp/wheel.png" >"$OUT/wheel.log" 2>&1 &&
    [ ! -s "$OUT/wheel.log" ] && cp "$ROOT/tmp/wheel.png" "$OUT/wheel.png"; then
    # The texts are drawn in DejaVu Sans Condensed (recommended) when it is there; with
    # another face only the picture's size can be compared.
    if cmp -s "$OUT/wheel.png" "$OUT/expected-wheel.png"; then
        pass "omvera-cli wheel: the same picture as the build's"
    elif [ ! -e "$ROOT/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed.ttf" ] &&
        [ "$(identify -format %wx%h "$OUT/wheel.png")" = "$(identify -format %wx%h "$OUT/expected-wheel.png")" ]; then
        pass "omvera-cli wheel: a picture of the build's size, its texts in another face (no DejaVu Sans Condensed)"
    else
        fail "omvera-cli wheel draws another picture than the build's (see $OUT/wheel.png)"
    fi
else
    fail "omvera-cli wheel (see $OUT/wheel.log)"
fi
if user_sh "omvera-cli report natal ${CHART[*]} --name Анна --out /tmp/report.pdf" >"$OUT/pdf.log" 2>&1 &&
    [ "$(head -c 5 "$ROOT/tmp/report.pdf")" = "%PDF-" ]; then
    pass "omvera-cli report natal --out report.pdf: $(stat -c %s "$ROOT/tmp/report.pdf") bytes of PDF"
else
    fail "omvera-cli report natal --out report.pdf (see $OUT/pdf.log)"
fi
# The person database: the user's copy of the shipped one, made on first use.
if user_sh 'omvera-cli people list' >"$OUT/people-list.txt" 2>&1 && [ -s "$ROOT$XDG_IN/omvera/Basa.TXT" ]; then
    pass "omvera-cli people list: $(wc -l <"$OUT/people-list.txt") people, the user's copy is \$XDG_DATA_HOME/omvera/Basa.TXT"
else
    fail "omvera-cli people list made no user's copy $XDG_IN/omvera/Basa.TXT (see $OUT/people-list.txt)"
fi
# What the programs may leave in the home folder: the user's data and the folders above it.
XDG_REL=.${XDG_IN#$HOME_IN}
OWN_FILES=$(d=$XDG_REL/omvera; while [ "$d" != . ]; do echo "$d"; d=$(dirname "$d"); done
    echo "$XDG_REL/omvera/Basa.TXT")
new_in_home() { # SNAPSHOT: what is in the home folder now and was not then, ours excepted
    comm -13 <(echo "$1") <(cd "$ROOT$HOME_IN" && find . | sort) | grep -v -x -F "$OWN_FILES"
}
LEFT=$(new_in_home "$HOME_BEFORE")
[ -z "$LEFT" ] || fail "omvera-cli wrote in the home folder besides its data: $(echo $LEFT)"

# A Russian window needs a font with Cyrillic letters; the package's dependencies must bring
# one (fontconfig's tools add no font).
in_root apt-get install -y --no-install-recommends fontconfig >"$OUT/fontconfig-install.log" 2>&1
CYRILLIC=$(in_root fc-list :lang=ru family | sort -u | tr '\n' ';')
if [ -n "$CYRILLIC" ]; then
    pass "a font with Cyrillic letters came with the package: $CYRILLIC"
else
    fail "no font with Cyrillic letters after installing the package"
fi

# ---------------------------------------------------------------- 5. the desktop
DESKTOP_PACKAGES="xvfb xauth icewm xdotool imagemagick"
echo "== apt-get install $DESKTOP_PACKAGES"
if ! in_root apt-get install -y --no-install-recommends $DESKTOP_PACKAGES >"$OUT/desktop-install.log" 2>&1; then
    fail "installing the desktop (see $OUT/desktop-install.log)"
    exit 1
fi
mkdir -p "$ROOT/tmp/.X11-unix" && chmod 1777 "$ROOT/tmp/.X11-unix"
as_user Xvfb $DISPLAY_NUM -screen 0 1024x768x24 -nolisten tcp >"$OUT/xvfb.log" 2>&1 &
for _ in $(seq 100); do as_user xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
as_user icewm >"$OUT/icewm.log" 2>&1 &
for _ in $(seq 100); do
    as_user xdotool search --onlyvisible --class '^icewm$' >/dev/null 2>&1 && break
    sleep 0.1
done
sleep 2
shot() { as_user import -window root "/tmp/$1.png" && cp "$ROOT/tmp/$1.png" "$OUT/$1.png"; }
shot 01-desktop

# The menu IceWM shows holds what icewm-menu-fdo makes of the installed .desktop files.
user_sh 'icewm-menu-fdo --no-sep-others --seps' >"$OUT/menu-fdo.txt" 2>&1
if grep -q 'prog "\?Omvera' "$OUT/menu-fdo.txt"; then
    pass "the desktop menu lists Omvera: $(grep -o 'prog "\?Omvera[^/]*' "$OUT/menu-fdo.txt" | head -n 1)"
else
    fail "the desktop menu has no Omvera entry (see $OUT/menu-fdo.txt)"
fi

# The keys that reach an entry of an IceWM menu: each entry's first letter is its hot key;
# a letter that starts one entry opens it, one that starts several moves to the next of them
# and Return opens it. Prints the xdotool key names, or nothing when the entry is missing.
menu_keys() { # TARGET ENTRY...
    local target=$1 letter n=0 before=0 found=0 e
    shift
    letter=$(printf '%s' "${target:0:1}" | tr '[:upper:]' '[:lower:]')
    for e in "$@"; do
        [ "$(printf '%s' "${e:0:1}" | tr '[:upper:]' '[:lower:]')" = "$letter" ] || continue
        n=$((n + 1))
        [ "$e" = "$target" ] && found=1
        [ $found = 0 ] && before=$((before + 1))
    done
    [ $found = 1 ] || return 1
    for ((e = 0; e <= before; e++)); do printf '%s ' "$letter"; done
    [ $n -gt 1 ] && printf 'Return'
    echo
}
# The start menu: the categories icewm-menu-fdo makes, then IceWM's own entries.
CATEGORY=$(awk '/^menu /{c=$0} /^prog "?Omvera/{print c; exit}' "$OUT/menu-fdo.txt" |
    sed -E 's/^menu "?([^"]*)"? folder.*/\1/')
mapfile -t CATEGORIES < <(grep -E '^menu ' "$OUT/menu-fdo.txt" | sed -E 's/^menu "?([^"]*)"? folder.*/\1/')
mapfile -t ENTRIES < <(awk -v c="$CATEGORY" '/^menu /{inside = index($0, "\"" c "\"") || $2 == c; next}
    /^}/{inside = 0} inside && /^prog /{print}' "$OUT/menu-fdo.txt" | sed -E 's/^prog "?([^"]*)"? .*/\1/')
TOP_KEYS=$(menu_keys "$CATEGORY" "${CATEGORIES[@]}" Monitors Toolbar Programs Windows Settings Logout)
ENTRY_KEYS=$(menu_keys Omvera "${ENTRIES[@]}")

# Launch through the menu: the start button clicked with the mouse, the category and the
# entry chosen with their keys.
WIN=""
if [ -n "$CATEGORY" ] && [ -n "$TOP_KEYS" ] && [ -n "$ENTRY_KEYS" ]; then
    as_user xdotool mousemove 20 756 click 1
    sleep 1
    as_user xdotool key --delay 300 $TOP_KEYS
    sleep 1
    shot 02-menu
    HOME_BEFORE=$(cd "$ROOT$HOME_IN" && find . | sort)
    as_user xdotool key --delay 300 $ENTRY_KEYS
    WIN=$(as_user timeout 30 xdotool search --sync --onlyvisible --name '^Омвера $' | head -n 1)
fi
if [ -n "$WIN" ]; then
    sleep 3
    shot 03-omvera
    # The program is IceWM's child: started by the menu, not by this script.
    LAUNCHER=""
    for pid in $(root_pids); do
        [ "$(cat /proc/$pid/comm)" = omvera ] || continue
        ppid=$(awk '{print $4}' /proc/$pid/stat)
        LAUNCHER=$(cat /proc/$ppid/comm)
    done
    if [ "$LAUNCHER" = icewm ]; then
        pass "Omvera started from the menu ($CATEGORY > Omvera; keys: $TOP_KEYS/ $ENTRY_KEYS), its main window is up"
    else
        fail "the main window is up but its process was not started by the menu (parent: ${LAUNCHER:-none})"
    fi
    # A chart drawn from the installed data folder: "Карта" > "Радикс" > "Взрослый" (the
    # first menu of the menu bar), the chart form's message about its empty fields closed.
    as_user xdotool mousemove --window "$WIN" 20 10 click 1
    sleep 0.5
    as_user xdotool key --delay 200 Down Right Return
    sleep 1.5
    BOX=$(as_user xdotool search --onlyvisible --name '^Омвера$' 2>/dev/null | head -n 1)
    if [ -n "$BOX" ]; then
        shot 04-message
        as_user xdotool windowactivate --sync "$BOX" key Return
        sleep 1
    fi
    shot 05-chart
    CHANGED=$(compare -metric AE "$OUT/03-omvera.png" "$OUT/05-chart.png" null: 2>&1 | cut -d' ' -f1)
    if [ -z "$(for pid in $(root_pids); do grep -x omvera /proc/$pid/comm; done)" ]; then
        fail "Omvera ended while drawing a chart"
    elif [ "${CHANGED%.*}" -gt 10000 ] 2>/dev/null; then
        pass "Omvera drew a chart (Карта > Радикс > Взрослый): $CHANGED pixels changed"
    else
        fail "Omvera drew no chart (Карта > Радикс > Взрослый): $CHANGED pixels changed"
    fi
else
    shot 03-no-window
    fail "Omvera did not start from the menu (category '${CATEGORY}', keys '$TOP_KEYS' '$ENTRY_KEYS')"
fi
grep -i -E 'qt\.|warning|omvera' "$OUT/icewm.log" >"$OUT/omvera-messages.txt"
if [ -n "$WIN" ]; then
    # Closed as a person closes it: the window manager's Alt+F4.
    as_user xdotool windowactivate --sync "$WIN" key alt+F4
    for _ in $(seq 50); do
        [ -z "$(for pid in $(root_pids); do grep -x omvera /proc/$pid/comm; done)" ] && break
        sleep 0.2
    done
    if [ -n "$(for pid in $(root_pids); do grep -x omvera /proc/$pid/comm; done)" ]; then
        shot 04-not-closed
        fail "Omvera did not end after Alt+F4"
    else
        pass "Omvera closed with Alt+F4"
    fi
    LEFT=$(new_in_home "$HOME_BEFORE")
    [ -z "$LEFT" ] || fail "Omvera wrote in the home folder besides its data: $(echo $LEFT)"
fi

# ---------------------------------------------------------------- 6. apt-get purge
if in_root apt-get purge -y omvera >"$OUT/apt-purge.log" 2>&1; then
    pass "apt-get purge -y omvera"
else
    fail "apt-get purge -y omvera (see $OUT/apt-purge.log)"
fi
# A folder of the package may stay when another installed package has files in it too.
LEFT=""
while read -r f; do
    [ -e "$ROOT$f" ] || [ -L "$ROOT$f" ] || continue
    [ "$f" = /. ] || { [ -d "$ROOT$f" ] && [ ! -L "$ROOT$f" ] && in_root dpkg-query -S "$f" >/dev/null 2>&1; } ||
        LEFT+=" $f"
done <"$WORK/omvera-files"
if [ -z "$LEFT" ]; then
    pass "no file of the package is left ($(wc -l <"$WORK/omvera-files") paths checked)"
else
    fail "left after purge:$LEFT"
fi
if [ -s "$ROOT$XDG_IN/omvera/Basa.TXT" ] && [ -z "$(new_in_home "$HOME_BEFORE")" ]; then
    pass "the home folder holds \$XDG_DATA_HOME/omvera/Basa.TXT, the user's data, and nothing else of Omvera"
else
    fail "the home folder after purge: $(cd "$ROOT$HOME_IN" && find . | tr '\n' ' ')"
fi
