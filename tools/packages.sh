# Installs the Debian packages the build, the program and the tests need, when missing.
# Sourced by setup-and-run.sh and setup-and-test.sh.
# poppler-utils (pdftotext) and libreoffice-writer-nogui (about 85 MB, two minutes to install)
# read the saved PDF and RTF files back in the tests; dpkg-dev (dpkg-shlibdeps),
# desktop-file-utils and lintian make and check the Debian package. clang and libclang-rt-14-dev
# (libFuzzer and the sanitizers' runtimes) build the fuzz targets. libgeonames-dev and
# libgeonames-common (towns and their Russian names) and tzdata (clock history) make the
# local-time atlas.
OMVERA_PACKAGES="cmake ninja-build g++ clang libclang-rt-14-dev python3 hunspell hunspell-ru qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core xvfb xauth xdotool imagemagick libswe-dev poppler-utils
  libreoffice-writer-nogui dpkg-dev desktop-file-utils lintian libgeonames-dev libgeonames-common
  tzdata pkg-config"

omvera_install_packages() {
    local missing=()
    for p in $OMVERA_PACKAGES; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}
