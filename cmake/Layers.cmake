# Each library sees the headers of what it links and nothing else: its include root
# (include/<library> in the build folder) holds links to its own folders under src/
# only, so "ui/main_window.h" is found by what links velmora_ui and by nothing else.
# velmora_headers(TARGET FOLDER...)
function(velmora_headers target)
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARGN)
        if(NOT IS_SYMLINK ${root}/${folder})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
        endif()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
