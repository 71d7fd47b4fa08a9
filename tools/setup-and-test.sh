#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the full build (core,
# GUI offscreen, command line, a real window under Xvfb) and the core tests again under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tools/packages.sh"
omvera_install_packages
jobs=$(nproc 2>/dev/null || echo 2)

echo "== build and test =="
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DOMVERA_WITH_GUI=ON >/dev/null
cmake --build "$root/build" -j "$jobs"
(cd "$root/build" && ctest --output-on-failure -j "$jobs")

echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer =="
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DOMVERA_SANITIZE=ON \
    -DOMVERA_WITH_GUI=OFF -DOMVERA_WITH_BENCH=OFF >/dev/null
cmake --build "$root/build-asan" -j "$jobs"
(cd "$root/build-asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")
