# One INTERFACE target carries the warning flags; every target links it PRIVATE.
# VELMORA_WERROR turns every warning into an error; CI builds with it.
option(VELMORA_WERROR "Treat compiler warnings as errors" OFF)

add_library(velmora_warnings INTERFACE)
if(MSVC)
    target_compile_options(velmora_warnings INTERFACE /W4 /permissive-
                           $<$<BOOL:${VELMORA_WERROR}>:/WX>)
else()
    target_compile_options(velmora_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion $<$<BOOL:${VELMORA_WERROR}>:-Werror>)
endif()
