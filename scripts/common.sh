# Shared by the scripts: install what is missing, then build.
# Sourced, not run.

VELMORA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# qt6-translations-l10n puts Qt's own texts into Chinese. desktop-file-utils, appstream,
# dpkg-dev and lintian let the tests validate the desktop entry and metadata, build the
# Debian package and check it; fontconfig, fonts-dejavu-core and fonts-noto-cjk make
# the desktop without the Song face that the fit tests run on a second time;
# poppler-utils (pdftotext) lets the sheet tests read the PDF's text back; qt6-base-private-dev
# has the zip classes workbooks are read and written with, and python3-openpyxl (for
# Debian's python3) makes the workbooks the tests read and reads back those Velmora writes.
VELMORA_PACKAGES=(cmake g++ make qt6-base-dev fonts-arphic-uming qt6-translations-l10n
    desktop-file-utils appstream dpkg-dev lintian fontconfig fonts-dejavu-core fonts-noto-cjk
    poppler-utils qt6-base-private-dev python3-openpyxl)
# ./scripts/test --clang builds with this compiler; ./scripts/fuzz with it and its
# libFuzzer runtime.
VELMORA_CLANG_PACKAGES=(clang)
VELMORA_FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# ./scripts/lint runs these over src/.
VELMORA_LINT_PACKAGES=(clang-tidy cppcheck)
# ./scripts/package-windows and ./scripts/build-cross-qt: the MinGW cross compiler, Wine
# (wine64 runs the tests and the 64-bit installer), NSIS, icoutils, xvfb-run (xvfb) with
# xauth for the display Wine wants, xwininfo (x11-utils) and import (imagemagick) to see
# and photograph the window, Qt's Chinese translation, and the host's zh_CN.UTF-8
# locale, from which Wine takes a Chinese Windows's.
VELMORA_WINDOWS_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n dpkg-dev
    g++-mingw-w64-x86-64-posix mingw-w64 binutils-mingw-w64-x86-64 wine wine64 nsis icoutils
    xvfb xauth x11-utils imagemagick fonts-arphic-uming locales python3-openpyxl)

# ./scripts/test --web, ./scripts/run --web, ./scripts/package-web: Emscripten (with the
# acorn it needs), and for the page's tests Chromium, its driver, Selenium for Debian's
# python3, and pdfinfo/pdftotext to read the printed sheet back; zip for the package.
VELMORA_WEB_PACKAGES=(emscripten node-acorn chromium chromium-driver python3-selenium
    poppler-utils zip python3-openpyxl)

# Where ./scripts/build-cross-qt keeps Qt for Windows, built once.
VELMORA_WINDOWS_QT=${VELMORA_WINDOWS_QT:-${XDG_CACHE_HOME:-$HOME/.cache}/velmora/qt-6.4.2-mingw-w64}

# velmora_step NAME LOG COMMAND...: runs COMMAND with its output in LOG. On failure says
# which step failed, where its log is and how the log ends, and stops. The command runs
# as a job of its own so that `set -e` holds inside shell functions too.
velmora_step() {
    local name=$1 log=$2
    shift 2
    mkdir -p "${log%/*}"
    echo "== $name"
    local status=0 start=$SECONDS
    "$@" >"$log" 2>&1 &
    wait $! || status=$?
    if [ "$status" -ne 0 ]; then
        echo "${0##*/}: step '$name' failed (exit $status); its log is $log, which ends:" >&2
        tail -n 40 "$log" | sed 's/^/   | /' >&2
        exit 1
    fi
    echo "   ($((SECONDS - start)) s)"
}

velmora_as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    else
        sudo "$@"
    fi
}

velmora_install_missing() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed'; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}" >/dev/null
}

# How many compiler and test jobs run at once: VELMORA_JOBS, else one per core.
VELMORA_JOBS=${VELMORA_JOBS:-$(nproc)}

# velmora_build PRESET [cmake --build arguments...]: configures with the configure
# preset PRESET of CMakePresets.json and builds with its build preset, everything or,
# with --target NAME, only NAME and what it needs.
# VELMORA_WERROR=ON in the environment makes every compiler warning an error (CI); the
# presets read it.
velmora_build() {
    local preset=$1
    shift
    (cd "$VELMORA_ROOT" && cmake --preset "$preset" >/dev/null &&
        cmake --build --preset "$preset" --parallel "$VELMORA_JOBS" "$@")
}

# Node.js and npm, for the web page's tests: the machine's own where it has them,
# else Debian's.
velmora_install_node() {
    command -v node >/dev/null && command -v npm >/dev/null && return 0
    velmora_install_missing nodejs npm
}

# velmora_build_web BUILD_DIR [cmake arguments...] [-- cmake --build arguments...]: the
# WebAssembly core and the page, laid out in BUILD_DIR/site.
velmora_build_web() {
    local dir=$1
    shift
    local configure=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do
        configure+=("$1")
        shift
    done
    [ $# -eq 0 ] || shift
    # emcc runs under whatever node is first on PATH; one that is not Debian's does not
    # look in Debian's folder for acorn.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    # emcmake says the command it runs; only CMake's own complaints are of interest.
    local said
    said=$(emcmake cmake -S "$VELMORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DVELMORA_WERROR="${VELMORA_WERROR:-OFF}" "${configure[@]}" 2>&1 >/dev/null) || {
        echo "$said" >&2
        return 1
    }
    grep -v '^configure: ' <<<"$said" >&2 || true
    cmake --build "$dir" --parallel "$VELMORA_JOBS" "$@"
}
