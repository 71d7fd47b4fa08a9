# Sourced by the scripts that drive the real program in an X window (tests and the manual's
# screenshots). start_program BUILD_DIR: copies the built data folder to a fresh working
# folder, starts Xvfb on a free display, starts the program there and sets `win` to its main
# window; everything is stopped and removed when the calling script exits.
start_program() {
    local build="$1" tool
    for tool in Xvfb xdotool /usr/bin/import; do
        command -v "$tool" >/dev/null || { echo "missing $tool"; exit 1; }
    done
    work=$(mktemp -d)
    cp -r "$build/Dann" "$work/Dann"
    local display n
    for n in $(seq 20); do
        display=":$((90 + RANDOM % 800))"
        [ -e "/tmp/.X11-unix/X${display#:}" ] || [ -e "/tmp/.X${display#:}-lock" ] || break
    done
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "${app:-}" 2>/dev/null || true; kill "$xvfb" 2>/dev/null || true; rm -rf "$work"' EXIT
    export DISPLAY="$display" QT_QPA_PLATFORM=xcb
    for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done
    (cd "$work" && exec "$build/omvera") &
    app=$!
    win=$(timeout 20 xdotool search --sync --onlyvisible --name "^Омвера $" | head -n1)
    [ -n "$win" ] || { echo "the main window did not appear"; exit 1; }
}
