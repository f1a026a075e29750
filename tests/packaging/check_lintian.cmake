# Runs lintian on the package that packaging_deb built; any error or warning fails.
# cmake -DLINTIAN= -DDEB_DIR= -P check_lintian.cmake
cmake_minimum_required(VERSION 3.25)

file(GLOB debs ${DEB_DIR}/*.deb)
list(LENGTH debs count)
if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${DEB_DIR}, found: ${debs}")
endif()
execute_process(COMMAND ${LINTIAN} --fail-on error,warning ${debs}
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
# Lintian exits 0 when it found nothing it was told to fail on; E: and W: lines are
# checked as well, so that a lintian without --fail-on cannot let one through.
if(NOT result EQUAL 0 OR output MATCHES "(^|\n)[EW]: ")
    message(FATAL_ERROR "lintian ${debs} (exit ${result}):\n${output}${errors}")
endif()
message(STATUS "lintian: ${output}")
