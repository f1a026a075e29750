# Checks that the installed files agree with each other where the validators do
# not look: exactly the expected files are installed, the programs carry no
# RUNPATH, the desktop entry starts an
# installed program and names the installed icons, each icon has the size of its
# folder, and the AppStream metadata names an installed program and screenshots
# that are in docs/.
# cmake -DSTAGE= -DAPP_ID= -DBINDIR= -DDATADIR= -DMANDIR= -DDOCS_DIR= -P check_install_tree.cmake
cmake_minimum_required(VERSION 3.25)

set(failures)
set(desktop ${DATADIR}/applications/${APP_ID}.desktop)
set(metainfo ${DATADIR}/metainfo/${APP_ID}.metainfo.xml)
set(expected ${BINDIR}/velmora ${BINDIR}/velmora-cli ${desktop} ${metainfo}
    ${DATADIR}/icons/hicolor/scalable/apps/${APP_ID}.svg
    ${DATADIR}/doc/velmora/copyright ${DATADIR}/doc/velmora/changelog.gz
    ${DATADIR}/doc/velmora/README.md.gz ${DATADIR}/doc/velmora/rule-questions.md.gz
    ${DATADIR}/doc/velmora/command-line.md.gz
    ${MANDIR}/man1/velmora.1.gz ${MANDIR}/man1/velmora-cli.1.gz)
foreach(size 16 32 48)
    list(APPEND expected ${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()

file(GLOB_RECURSE installed LIST_DIRECTORIES false RELATIVE ${STAGE} ${STAGE}/*)
foreach(path IN LISTS expected)
    if(NOT path IN_LIST installed)
        list(APPEND failures "not installed: ${path}")
    endif()
endforeach()
foreach(path IN LISTS installed)
    if(NOT path IN_LIST expected)
        list(APPEND failures "installed but not expected: ${path}")
    endif()
endforeach()

# The system's Qt is found through the system's library path.
foreach(program velmora velmora-cli)
    if(EXISTS ${STAGE}/${BINDIR}/${program})
        file(READ_ELF ${STAGE}/${BINDIR}/${program} RPATH rpath RUNPATH runpath)
        if(rpath OR runpath)
            list(APPEND failures "${BINDIR}/${program} has RPATH '${rpath}', RUNPATH '${runpath}'")
        endif()
    endif()
endforeach()

if(EXISTS ${STAGE}/${desktop})
    file(STRINGS ${STAGE}/${desktop} exec REGEX "^Exec=")
    file(STRINGS ${STAGE}/${desktop} icon REGEX "^Icon=")
    string(REGEX REPLACE "^Exec=([^ ]*).*" "\\1" exec "${exec}")
    if(NOT exec OR NOT EXISTS ${STAGE}/${BINDIR}/${exec})
        list(APPEND failures "desktop entry Exec '${exec}' is not in ${BINDIR}")
    endif()
    if(NOT icon STREQUAL "Icon=${APP_ID}")
        list(APPEND failures "desktop entry '${icon}' does not name the installed icons")
    endif()
endif()

foreach(size 16 32 48)
    set(png ${STAGE}/${DATADIR}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
    if(EXISTS ${png})
        # Width and height are the first two fields of the IHDR chunk.
        file(READ ${png} header OFFSET 16 LIMIT 8 HEX)
        string(SUBSTRING "${header}" 0 8 width)
        string(SUBSTRING "${header}" 8 8 height)
        math(EXPR width "0x${width}")
        math(EXPR height "0x${height}")
        if(NOT width EQUAL size OR NOT height EQUAL size)
            list(APPEND failures "${size}x${size} icon is ${width}x${height}")
        endif()
    endif()
endforeach()

if(EXISTS ${STAGE}/${metainfo})
    file(READ ${STAGE}/${metainfo} text)
    string(REGEX MATCH "<binary>([^<]*)</binary>" _ "${text}")
    if(NOT CMAKE_MATCH_1 OR NOT EXISTS ${STAGE}/${BINDIR}/${CMAKE_MATCH_1})
        list(APPEND failures "metainfo provides binary '${CMAKE_MATCH_1}', not in ${BINDIR}")
    endif()
    string(REGEX MATCHALL "<image>[^<]*</image>" images "${text}")
    if(NOT images)
        list(APPEND failures "metainfo has no screenshots")
    endif()
    foreach(image IN LISTS images)
        string(REGEX REPLACE "^<image>.*/([^/<]+)</image>$" "\\1" name "${image}")
        if(NOT EXISTS ${DOCS_DIR}/${name})
            list(APPEND failures "metainfo screenshot ${name} is not in docs/")
        endif()
    endforeach()
endif()

if(failures)
    list(JOIN failures "\n  " text)
    message(FATAL_ERROR "Installed tree in ${STAGE}:\n  ${text}")
endif()
