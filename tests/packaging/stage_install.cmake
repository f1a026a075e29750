# Installs the build into an empty STAGE, so files left from an earlier layout
# cannot hide a missing one.
# cmake -DBUILD_DIR=... -DSTAGE=... [-DCONFIG=...] -P stage_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${STAGE})
set(config_args)
if(CONFIG)
    set(config_args --config ${CONFIG})
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${STAGE} ${config_args}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
