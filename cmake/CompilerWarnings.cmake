# One INTERFACE target carries the warning flags; every target links it PRIVATE.
add_library(velmora_warnings INTERFACE)
if(MSVC)
    target_compile_options(velmora_warnings INTERFACE /W4 /permissive- /utf-8)
else()
    target_compile_options(velmora_warnings INTERFACE
        -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
endif()
