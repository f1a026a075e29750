# cmake -DWINE=wine64 -DWINESERVER=wineserver64 -DXWININFO=xwininfo -DIMPORT=import
#       -DZIP=velmora-1.0-win64.zip -DFOLDER=velmora-1.0-win64 -DTITLE="Velmora V1.0"
#       -DWORK=dir -P zip_window.cmake
# Unpacks the zip into WORK and starts velmora.exe from it, on the windows platform
# and with none of the tests' DLL folders: only what the zip carries. Its main window,
# titled TITLE, has to appear on the display; WORK/velmora-windows.png shows it.
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(ARCHIVE_EXTRACT INPUT ${ZIP} DESTINATION ${WORK})
if(NOT EXISTS ${WORK}/${FOLDER}/velmora.exe)
    message(FATAL_ERROR "${ZIP} has no ${FOLDER}/velmora.exe")
endif()
foreach(variable WINEPATH WINEQT_QPA_FONTDIR WINEQT_QPA_PLATFORM)
    unset(ENV{${variable}})
endforeach()

# velmora.exe and the watcher run side by side, as a pipeline; the watcher ends
# velmora.exe through Wine's server once it has seen the window, or given up.
execute_process(
    COMMAND ${WINE} ./velmora.exe
    COMMAND ${CMAKE_COMMAND} -DWINESERVER=${WINESERVER} -DXWININFO=${XWININFO}
            -DIMPORT=${IMPORT} -DTITLE=${TITLE} -DSCREENSHOT=${WORK}/velmora-windows.png
            -P ${CMAKE_CURRENT_LIST_DIR}/watch_window.cmake
    WORKING_DIRECTORY ${WORK}/${FOLDER}
    RESULTS_VARIABLE results
    OUTPUT_VARIABLE output ERROR_VARIABLE output
    TIMEOUT 180)
message("${output}")
list(GET results 1 watcher)
if(NOT watcher EQUAL 0)
    message(FATAL_ERROR "velmora.exe opened no window titled \"${TITLE}\"")
endif()
