# Install-time script of the Windows build (see cmake/Packaging.cmake): next to the
# installed programs it puts every DLL they load, found by reading their PE imports
# with objdump, recursively, and the Qt plugins and translation the program needs.
# Qt's windeployqt does not run in a cross build and CMake refuses
# install(RUNTIME_DEPENDENCIES) when cross-compiling. file(GET_RUNTIME_DEPENDENCIES)
# with the windows+pe platform and objdump does run here, but it lower-cases every
# DLL name, as Windows may, and then cannot find Qt6Core.dll and the other Qt DLLs
# on a case-sensitive file system: it resolved only the three MinGW runtime DLLs.
#
# Set by install(CODE) before this script runs:
#   VELMORA_DEPLOY_OBJDUMP       the MinGW objdump
#   VELMORA_DEPLOY_STRIP         the MinGW strip
#   VELMORA_DEPLOY_SEARCH_DIRS   where DLLs are looked for: Qt's bin/, the MinGW runtime
#   VELMORA_DEPLOY_SYSTEM_LIBS   the MinGW import library folder: a DLL with an import
#                                library there (libkernel32.a) is part of Windows
#   VELMORA_DEPLOY_QT_PLUGINS    Qt's plugins/ folder
#   VELMORA_DEPLOY_TRANSLATIONS  the Qt translations to ship (.qm files)

# cmake_install.cmake sets no policies; this script wants today's (IN_LIST).
cmake_policy(PUSH)
cmake_policy(VERSION 3.25)

set(root "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")

# Plugins that a Qt module loads at run time; only those of modules in use ship.
# Velmora's icons are PNG, which Qt reads without a plugin, and Qt 6 prints on
# Windows without one.
set(plugins_Qt6Gui platforms/qwindows.dll)
set(plugins_Qt6Widgets styles/qwindowsvistastyle.dll)

function(pe_imports file out)
    execute_process(COMMAND ${VELMORA_DEPLOY_OBJDUMP} -p ${file}
                    OUTPUT_VARIABLE dump RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "objdump cannot read ${file}")
    endif()
    string(REGEX MATCHALL "DLL Name: [^\r\n]+" lines "${dump}")
    list(TRANSFORM lines REPLACE "DLL Name: " "")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

function(is_system_dll name out)
    string(TOLOWER ${name} lower)
    string(REGEX REPLACE "\\.[^.]*$" "" base ${lower})
    if(lower MATCHES "^api-ms-win-" OR EXISTS ${VELMORA_DEPLOY_SYSTEM_LIBS}/lib${base}.a)
        set(${out} TRUE PARENT_SCOPE)
    else()
        set(${out} FALSE PARENT_SCOPE)
    endif()
endfunction()

file(GLOB programs ${root}/*.exe)
if(NOT programs)
    message(FATAL_ERROR "no programs installed in ${root}")
endif()

# A worklist of files whose imports are still to be read; each deployed DLL and
# plugin joins it, so that their own imports are followed like the programs'.
set(pending ${programs})
set(deployed "")
set(copied "")
while(pending)
    list(POP_FRONT pending file)
    pe_imports(${file} imports)
    foreach(dll IN LISTS imports)
        string(TOLOWER ${dll} key)
        if(key IN_LIST deployed)
            continue()
        endif()
        set(found "")
        foreach(dir IN LISTS VELMORA_DEPLOY_SEARCH_DIRS)
            if(EXISTS ${dir}/${dll})
                set(found ${dir}/${dll})
                break()
            endif()
        endforeach()
        if(NOT found)
            is_system_dll(${dll} system)
            if(NOT system)
                get_filename_component(name ${file} NAME)
                message(FATAL_ERROR "${name} needs ${dll}, which is neither in "
                                    "${VELMORA_DEPLOY_SEARCH_DIRS} nor part of Windows")
            endif()
            continue()
        endif()
        list(APPEND deployed ${key})
        message(STATUS "Deploying: ${dll}")
        file(COPY ${found} DESTINATION ${root})
        list(APPEND copied ${root}/${dll})
        list(APPEND pending ${root}/${dll})
        string(REGEX REPLACE "\\.dll$" "" module ${dll})
        foreach(plugin IN LISTS plugins_${module})
            get_filename_component(dir ${plugin} DIRECTORY)
            if(NOT EXISTS ${VELMORA_DEPLOY_QT_PLUGINS}/${plugin})
                message(FATAL_ERROR "${module} needs the plugin ${plugin}, not in "
                                    "${VELMORA_DEPLOY_QT_PLUGINS}")
            endif()
            message(STATUS "Deploying: ${plugin}")
            file(COPY ${VELMORA_DEPLOY_QT_PLUGINS}/${plugin} DESTINATION ${root}/${dir})
            list(APPEND copied ${root}/${plugin})
            list(APPEND pending ${root}/${plugin})
        endforeach()
    endforeach()
endwhile()

# Qt looks for its translations in translations/ beside Qt6Core.dll when no import
# library says it runs from a Qt installation.
foreach(qm IN LISTS VELMORA_DEPLOY_TRANSLATIONS)
    if(NOT EXISTS ${qm})
        message(FATAL_ERROR "missing translation ${qm}")
    endif()
    message(STATUS "Deploying: ${qm}")
    file(COPY ${qm} DESTINATION ${root}/translations)
endforeach()

# The DLLs carry debug symbols: more than half of their size.
if(CMAKE_INSTALL_DO_STRIP)
    foreach(file IN LISTS copied)
        execute_process(COMMAND ${VELMORA_DEPLOY_STRIP} --strip-unneeded ${file}
                        RESULT_VARIABLE status)
        if(NOT status EQUAL 0)
            message(FATAL_ERROR "strip failed on ${file}")
        endif()
    endforeach()
endif()

cmake_policy(POP)
