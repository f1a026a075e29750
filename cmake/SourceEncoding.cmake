# The sources are UTF-8 and hold Chinese texts; MSVC reads them in the system's code
# page unless told. Linked PUBLIC by the core, so every target that uses it gets it.
add_library(velmora_source_encoding INTERFACE)
target_compile_options(velmora_source_encoding INTERFACE $<$<CXX_COMPILER_ID:MSVC>:/utf-8>)

# The version, from project(... VERSION ...), as the header "version.h".
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/version.h
               @ONLY)
add_library(velmora_version INTERFACE)
target_include_directories(velmora_version INTERFACE ${PROJECT_BINARY_DIR}/generated)
