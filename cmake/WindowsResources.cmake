# velmora_windows_resources(TARGET DESCRIPTION): gives a Windows program the
# application icon and a version block (product, version, description, copyright),
# what Explorer shows in the program's Properties. Does nothing elsewhere.
function(velmora_windows_resources target description)
    if(NOT WIN32)
        return()
    endif()
    get_target_property(VELMORA_RC_NAME ${target} OUTPUT_NAME)
    if(NOT VELMORA_RC_NAME)
        set(VELMORA_RC_NAME ${target})
    endif()
    set(VELMORA_RC_DESCRIPTION "${description}")
    set(VELMORA_VENDOR "The Velmora developers")
    set(VELMORA_ICO ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/velmora.rc.in ${rc} @ONLY)
    target_sources(${target} PRIVATE ${rc})
endfunction()
