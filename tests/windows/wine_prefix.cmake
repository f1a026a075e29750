# cmake -DWINE=wine64 -DWINESERVER=wineserver64 -DPREFIX=dir -DFONT=uming.ttc
#       -P wine_prefix.cmake
# Makes the Wine prefix PREFIX (WINEPREFIX in the environment names the same folder)
# unless a complete one is there, with the Song face for the windows platform, which
# asks Windows for its fonts.
cmake_minimum_required(VERSION 3.25)

if(EXISTS ${PREFIX}/.velmora-ready)
    message(STATUS "Wine prefix ready: ${PREFIX}")
    return()
endif()
if(NOT "$ENV{WINEPREFIX}" STREQUAL PREFIX)
    message(FATAL_ERROR "WINEPREFIX is \"$ENV{WINEPREFIX}\", not ${PREFIX}")
endif()
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${WINE} wineboot -u COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${WINESERVER} -w COMMAND_ERROR_IS_FATAL ANY)
file(COPY ${FONT} DESTINATION ${PREFIX}/drive_c/windows/Fonts)
file(TOUCH ${PREFIX}/.velmora-ready)
message(STATUS "Wine prefix made: ${PREFIX}")
