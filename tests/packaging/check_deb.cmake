# Builds the Debian package and checks it: it holds the staged install under
# /usr, depends on the Qt libraries dpkg-shlibdeps found and on the font.
# cmake -DBUILD_DIR= -DOUT_DIR= -DSTAGE= -DDPKG_DEB= [-DCONFIG=] -P check_deb.cmake
cmake_minimum_required(VERSION 3.25)

file(REMOVE_RECURSE ${OUT_DIR})
set(config_args)
if(CONFIG)
    set(config_args -C ${CONFIG})
endif()
execute_process(COMMAND ${CMAKE_CPACK_COMMAND} -G DEB --config ${BUILD_DIR}/CPackConfig.cmake
                        -B ${OUT_DIR} ${config_args}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cpack failed:\n${output}")
endif()
file(GLOB debs ${OUT_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${OUT_DIR}, found: ${debs}")
endif()

set(failures)
execute_process(COMMAND ${DPKG_DEB} --field ${debs} Depends
                OUTPUT_VARIABLE depends OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
# libqt6widgets6 can only come from dpkg-shlibdeps.
foreach(dependency fonts-arphic-uming qt6-translations-l10n libqt6widgets6)
    if(NOT depends MATCHES "(^|, )${dependency}( |,|$)")
        list(APPEND failures "no ${dependency} in Depends: ${depends}")
    endif()
endforeach()

# Same files as the staged install, moved under /usr.
execute_process(COMMAND ${DPKG_DEB} --contents ${debs}
                OUTPUT_VARIABLE listing COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCHALL "(^|\n)-[^\n]* \\./usr/[^\n]*" entries "${listing}")
set(packaged)
foreach(entry IN LISTS entries)
    string(REGEX REPLACE ".* \\./usr/" "" path "${entry}")
    list(APPEND packaged ${path})
endforeach()
file(GLOB_RECURSE staged LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
list(SORT packaged)
list(SORT staged)
if(NOT packaged STREQUAL staged)
    list(JOIN packaged ", " packaged)
    list(JOIN staged ", " staged)
    list(APPEND failures "package holds /usr/{${packaged}}, the install holds {${staged}}")
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "${debs}:\n  ${text}")
endif()
message(STATUS "${debs}: Depends: ${depends}")
