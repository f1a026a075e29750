# Shared by ./scripts/run and ./scripts/test: install what is missing, then build.
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
# ./scripts/package-windows: the MinGW cross compiler, Wine (wine64 runs the tests and
# the 64-bit installer), NSIS, icoutils, an X server for Wine, Qt's Chinese translation,
# and the host's zh_CN.UTF-8 locale, from which Wine takes a Chinese Windows's.
VELMORA_WINDOWS_PACKAGES=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n dpkg-dev
    g++-mingw-w64-x86-64-posix mingw-w64 binutils-mingw-w64-x86-64 wine wine64 nsis icoutils
    zip unzip xvfb xauth x11-utils imagemagick fonts-arphic-uming locales python3-openpyxl)

# ./scripts/test --web, ./scripts/run --web, ./scripts/package-web: Emscripten (with the
# acorn it needs), and for the page's tests Chromium, its driver, Selenium for Debian's
# python3, and pdfinfo/pdftotext to read the printed sheet back; zip for the package.
VELMORA_WEB_PACKAGES=(emscripten node-acorn chromium chromium-driver python3-selenium
    poppler-utils zip python3-openpyxl)

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

# velmora_build BUILD_DIR [extra cmake arguments...]
# VELMORA_WERROR=ON in the environment makes every compiler warning an error (CI).
velmora_build() {
    local dir=$1
    shift
    cmake -S "$VELMORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVELMORA_WERROR="${VELMORA_WERROR:-OFF}" "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

# Node.js and npm, for the web page's tests: the machine's own where it has them,
# else Debian's.
velmora_install_node() {
    command -v node >/dev/null && command -v npm >/dev/null && return 0
    velmora_install_missing nodejs npm
}

# velmora_build_web BUILD_DIR [extra cmake arguments...]: the WebAssembly core and the
# page, laid out in BUILD_DIR/site.
velmora_build_web() {
    local dir=$1
    shift
    # emcc runs under whatever node is first on PATH; one that is not Debian's does not
    # look in Debian's folder for acorn.
    export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
    # emcmake says the command it runs; only CMake's own complaints are of interest.
    local said
    said=$(emcmake cmake -S "$VELMORA_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
        -DVELMORA_WERROR="${VELMORA_WERROR:-OFF}" "$@" 2>&1 >/dev/null) || {
        echo "$said" >&2
        return 1
    }
    grep -v '^configure: ' <<<"$said" >&2 || true
    cmake --build "$dir" --parallel "$(nproc)"
}
