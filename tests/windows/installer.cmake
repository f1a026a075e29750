# cmake -DWINE=wine64 -DWINESERVER=wineserver64 -DSETUP=velmora-1.0-win64-setup.exe
#       -DWORK=dir -P installer.cmake
# The installer silently (/S) in the Wine prefix of WINEPREFIX: the files, the
# Start-menu shortcut, the uninstall entry and the user's PATH (HKCU\Environment) it
# leaves; then its uninstaller, silently too, and that none of them is left.
cmake_minimum_required(VERSION 3.25)

set(target "$ENV{WINEPREFIX}/drive_c/Program Files/Velmora")
set(menu "$ENV{WINEPREFIX}/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Velmora")
set(key "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Velmora")
set(folder "C:\\Program Files\\Velmora")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(wine)
    execute_process(COMMAND ${WINE} ${ARGN} RESULT_VARIABLE status
                    OUTPUT_VARIABLE output ERROR_QUIET)
    set(status ${status} PARENT_SCOPE)
    set(output "${output}" PARENT_SCOPE)
endfunction()

function(run_and_wait)
    wine(${ARGN})
    execute_process(COMMAND ${WINESERVER} -w)
endfunction()

# The user's own PATH, as a list; empty when there is none.
function(user_path out)
    wine(reg query "HKCU\\Environment" /v PATH)
    string(REGEX MATCH "[ \t]PATH[ \t]+REG_[A-Z_]+[ \t]+([^\r\n]*)" line "${output}")
    set(${out} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

# A clean start: no earlier install, no PATH of the user's.
file(REMOVE_RECURSE ${target} ${menu})
wine(reg delete ${key} /f)
wine(reg delete "HKCU\\Environment" /v PATH /f)

run_and_wait(${SETUP} /S)
foreach(file velmora.exe Qt6Core.dll platforms/qwindows.dll translations/qtbase_zh_CN.qm
        Uninstall.exe)
    if(NOT EXISTS "${target}/${file}")
        message(FATAL_ERROR "the installer left no ${target}/${file}")
    endif()
endforeach()
if(NOT EXISTS "${menu}/Velmora.lnk")
    message(FATAL_ERROR "the installer made no Start-menu shortcut ${menu}/Velmora.lnk")
endif()
wine(reg query ${key})
if(NOT status EQUAL 0)
    message(FATAL_ERROR "no uninstall entry ${key}")
endif()
file(WRITE ${WORK}/uninstall-key.txt "${output}")
if(NOT output MATCHES "UninstallString")
    message(FATAL_ERROR "the uninstall entry has no UninstallString:\n${output}")
endif()
# A silent install puts the folder on the user's PATH.
user_path(path)
message(STATUS "user PATH after installing: ${path}")
if(NOT folder IN_LIST path)
    message(FATAL_ERROR "the installer did not put ${folder} on the user's PATH")
endif()

run_and_wait("${folder}\\Uninstall.exe" /S)
if(EXISTS "${target}/velmora.exe")
    message(FATAL_ERROR "the uninstaller left ${target}/velmora.exe")
endif()
if(EXISTS "${menu}/Velmora.lnk")
    message(FATAL_ERROR "the uninstaller left the Start-menu shortcut")
endif()
wine(reg query ${key})
if(status EQUAL 0)
    message(FATAL_ERROR "the uninstaller left the uninstall entry ${key}")
endif()
user_path(path)
message(STATUS "user PATH after uninstalling: ${path}")
if(path MATCHES "[Vv][Ee][Ll][Mm][Oo][Rr][Aa]")
    message(FATAL_ERROR "the uninstaller left Velmora on the user's PATH")
endif()
message(STATUS "uninstalled: no files, shortcut, uninstall entry or PATH entry left")
