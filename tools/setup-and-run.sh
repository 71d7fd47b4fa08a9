#!/usr/bin/env bash
# Installs what is missing, builds, and starts omvera in the assembled data folder's parent
# (the program reads ProgramFolder\Dann\... from its working directory).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
omvera_install_packages
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMVERA_WITH_GUI=ON >/dev/null
cmake --build "$root/build" --target omvera omvera-cli omvera_data
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found (DISPLAY and WAYLAND_DISPLAY are not set): the window cannot open."
    echo "The command-line companion works without one, e.g.:"
    echo "  cd $root/build && ./omvera-cli --help"
    echo "  cd $root/build && ./omvera-cli chart --date 5.3.1980 --time 9:05 --lat 56.01 --lon 92.45"
    exit 1
fi
cd "$root/build"
exec ./omvera "$@"
