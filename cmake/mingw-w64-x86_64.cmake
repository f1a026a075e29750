# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (GCC, posix threads).
# Used for the cross Qt and for Velmora itself; ./scripts/package-windows passes the
# Qt prefix on the command line (CMAKE_PREFIX_PATH and CMAKE_FIND_ROOT_PATH).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VELMORA_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VELMORA_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VELMORA_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VELMORA_MINGW_TRIPLET}-windres)

# Libraries and headers come from the MinGW tree (and the Qt prefix added by the
# caller), programs such as moc from the build machine.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${VELMORA_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# ctest runs the Windows test programs through Wine; the caller sets WINEPREFIX,
# WINEPATH and a display (see ./scripts/package-windows). Debian's /usr/bin/wine
# starts the 32-bit loader whenever wine32 is installed, which fails on kernels
# that run no 32-bit programs; wine64 starts 64-bit programs directly.
find_program(VELMORA_WINE NAMES wine64 wine HINTS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
set(CMAKE_CROSSCOMPILING_EMULATOR ${VELMORA_WINE})
