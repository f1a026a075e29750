# cmake -DWINESERVER=... -DXWININFO=... -DIMPORT=... -DTITLE=... -DSCREENSHOT=x.png
#       -P watch_window.cmake
# Run by zip_window.cmake beside velmora.exe: waits up to a minute for a window titled
# TITLE, photographs the screen, then stops every program in the Wine prefix.
cmake_minimum_required(VERSION 3.25)

set(found "")
foreach(attempt RANGE 120)
    execute_process(COMMAND ${XWININFO} -root -tree OUTPUT_VARIABLE windows ERROR_QUIET)
    string(FIND "${windows}" "\"${TITLE}\"" at)
    if(NOT at EQUAL -1)
        set(found 1)
        break()
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 0.5)
endforeach()
if(found)
    execute_process(COMMAND ${CMAKE_COMMAND} -E sleep 3) # let it draw
    execute_process(COMMAND ${XWININFO} -root -tree OUTPUT_VARIABLE windows)
    string(REGEX MATCH "[^\n]*\"${TITLE}\"[^\n]*" line "${windows}")
    message(STATUS "window shown: ${line}")
    execute_process(COMMAND ${IMPORT} -window root ${SCREENSHOT} RESULT_VARIABLE status)
    if(status EQUAL 0)
        message(STATUS "screenshot: ${SCREENSHOT}")
    endif()
endif()
execute_process(COMMAND ${WINESERVER} -k)
if(NOT found)
    message(FATAL_ERROR "no window titled \"${TITLE}\" within a minute")
endif()
