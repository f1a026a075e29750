# Included by tests/CMakeLists.txt in a cross build for Windows, whose tests CTest runs
# under Wine (the toolchain file's CMAKE_CROSSCOMPILING_EMULATOR): the environment
# every test gets, in VELMORA_WINE_ENVIRONMENT. A throw-away Wine prefix in the build
# folder, never ~/.wine, made by the test windows_wine_prefix; Wine gives Windows
# programs the host's locale, and zh_CN.UTF-8 makes a Chinese Windows, with its date
# and time forms and code page 936. Wine wants a display even when Qt draws offscreen:
# run ctest under xvfb-run.
find_program(VELMORA_WINESERVER NAMES wineserver64 wineserver HINTS /usr/lib/wine
             NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(VELMORA_WINEPREFIX ${PROJECT_BINARY_DIR}/wineprefix)

# A folder of this machine as Windows sees it, through Wine's Z: drive.
function(velmora_windows_path path out)
    string(REPLACE "/" "\\" path "${path}")
    set(${out} "Z:${path}" PARENT_SCOPE)
endfunction()

# The DLLs the test programs load from where they are: Qt's, and the MinGW runtime's.
set(wine_path_dirs ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(file libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${file}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    get_filename_component(dir ${path} DIRECTORY)
    get_filename_component(dir ${dir} REALPATH)
    list(APPEND wine_path_dirs ${dir})
endforeach()
set(wine_path "")
foreach(dir IN LISTS wine_path_dirs)
    velmora_windows_path(${dir} windows_dir)
    list(APPEND wine_path ${windows_dir})
endforeach()
# Written into a test's ENVIRONMENT list as one entry each, hence the escaped ";".
string(REPLACE ";" "\\;" wine_path "${wine_path}")

# No Mono or Gecko download prompts, and no menu entries for the user's desktop when
# the installer makes its Start-menu shortcut. Wine hands QT_* variables to Windows
# programs only when written WINEQT_*; the offscreen platform on Windows reads fonts
# only from QT_QPA_FONTDIR.
set(VELMORA_WINE_ENVIRONMENT
    "WINEPREFIX=${VELMORA_WINEPREFIX}" "WINEARCH=win64" "WINEDEBUG=-all"
    "WINEDLLOVERRIDES=mscoree,mshtml=\\;winemenubuilder.exe=d"
    "LANG=zh_CN.UTF-8" "LC_ALL=zh_CN.UTF-8"
    "WINEPATH=${wine_path}" "WINEQT_QPA_FONTDIR=C:\\windows\\Fonts")
unset(wine_path)
unset(wine_path_dirs)
