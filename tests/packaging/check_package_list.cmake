# cmake -DCOMMON_SH=scripts/common.sh -DGUIDE=CONTRIBUTING.md "-DDEPENDS=a, b" -P check_package_list.cmake
# The Debian packages a developer's machine gets are listed once, in VELMORA_PACKAGES of
# scripts/common.sh. CONTRIBUTING.md's set-up paragraph names each of them, and every
# package the .deb depends on by name (DEPENDS, CPACK_DEBIAN_PACKAGE_DEPENDS) is one of
# them, so that the tests run against what users get.
cmake_minimum_required(VERSION 3.25)

file(READ ${COMMON_SH} script)
if(NOT script MATCHES "\nVELMORA_PACKAGES=\\(([^)]*)\\)")
    message(FATAL_ERROR "no VELMORA_PACKAGES=(...) in ${COMMON_SH}")
endif()
string(REGEX REPLACE "[ \t\r\n]+" ";" packages "${CMAKE_MATCH_1}")
list(REMOVE_ITEM packages "")

file(READ ${GUIDE} readme)
set(opening "Both install what the build and the tests need when it is missing")
string(FIND "${readme}" "${opening}" start)
if(start EQUAL -1)
    message(FATAL_ERROR "${GUIDE} has no paragraph starting \"${opening}\"")
endif()
string(SUBSTRING "${readme}" ${start} -1 paragraph)
string(FIND "${paragraph}" "\n\n" end)
string(SUBSTRING "${paragraph}" 0 ${end} paragraph)

set(faults "")
foreach(package IN LISTS packages)
    string(FIND "${paragraph}" "`${package}`" at)
    if(at EQUAL -1)
        string(APPEND faults "\n  the set-up paragraph of ${GUIDE} does not name ${package}")
    endif()
endforeach()
string(REGEX REPLACE "[ \t]*,[ \t]*" ";" depends "${DEPENDS}")
foreach(dependency IN LISTS depends)
    string(REGEX REPLACE "[ \t(].*" "" name "${dependency}")
    if(NOT name IN_LIST packages)
        string(APPEND faults "\n  the package depends on ${name}, which VELMORA_PACKAGES lacks")
    endif()
endforeach()
if(faults)
    message(FATAL_ERROR "VELMORA_PACKAGES in ${COMMON_SH}:${faults}")
endif()
list(LENGTH packages count)
message(STATUS "${count} packages, each named in ${GUIDE}; the .deb's dependencies among them")
