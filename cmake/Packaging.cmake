# How Velmora reaches a desktop: `cmake --install` lays out the program with its
# desktop entry, icons and AppStream metadata, and `cpack -G DEB` wraps that tree
# in a Debian package.
include(GNUInstallDirs)

# Writes the Debian machine-readable copyright file from LICENSE: its copyright
# line, and its permission text as the Expat licence.
function(velmora_write_copyright license output)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${license})
    file(READ ${license} text)
    if(NOT text MATCHES "^MIT License\n\nCopyright \\(c\\) ([^\n]+)\n\n(.*)$")
        message(FATAL_ERROR "${license} is no longer the MIT licence text this expects")
    endif()
    set(holder "${CMAKE_MATCH_1}")
    string(STRIP "${CMAKE_MATCH_2}" body)
    # Continuation lines start with a space; an empty line becomes " .".
    string(REPLACE "\n\n" "\n.\n" body "${body}")
    string(REPLACE "\n" "\n " body "${body}")
    file(WRITE ${output}
         "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
         "Upstream-Name: velmora\n"
         "Upstream-Contact: ${VELMORA_PACKAGE_MAINTAINER}\n"
         "Source: ${VELMORA_HOMEPAGE}\n"
         "\n"
         "Files: *\n"
         "Copyright: ${holder}\n"
         "License: Expat\n"
         " ${body}\n")
endfunction()

# One reverse-DNS id names the desktop entry, the icon and the AppStream component.
set(VELMORA_APP_ID io.github.velmora.Velmora)
set(VELMORA_HOMEPAGE https://github.com/velmora/velmora)
# Where the AppStream screenshots are served from: the repository's docs/ folder.
set(VELMORA_SCREENSHOT_URL https://raw.githubusercontent.com/velmora/velmora/main/docs)
# The release's version and date are those of the newest entry of the Debian changelog,
# which the manual pages and the AppStream metadata repeat; its version has to be the
# project's.
function(velmora_read_release changelog)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
    file(STRINGS ${changelog} lines)
    list(GET lines 0 first)
    if(NOT first MATCHES "^velmora \\(([^)]+)\\) ")
        message(FATAL_ERROR "${changelog} does not start with an entry \"velmora (VERSION) ...\"")
    endif()
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "${changelog}'s newest entry is version ${CMAKE_MATCH_1}, the "
                            "project's version (CMakeLists.txt) is ${PROJECT_VERSION}")
    endif()
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    foreach(line IN LISTS lines)
        if(line MATCHES "^ -- .*  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
            list(FIND months ${CMAKE_MATCH_2} month)
            if(month EQUAL -1)
                message(FATAL_ERROR "${changelog}: no month ${CMAKE_MATCH_2} in \"${line}\"")
            endif()
            math(EXPR month "${month} + 1")
            if(month LESS 10)
                set(month 0${month})
            endif()
            set(VELMORA_RELEASE_DATE ${CMAKE_MATCH_3}-${month}-${CMAKE_MATCH_1} PARENT_SCOPE)
            return()
        endif()
    endforeach()
    message(FATAL_ERROR "${changelog}'s newest entry has no trailer line with its date")
endfunction()
velmora_read_release(${PROJECT_SOURCE_DIR}/packaging/debian/changelog)

# The description, written once in packaging/description.txt: its first line is the
# summary (PROJECT_DESCRIPTION), the paragraphs after it the long description, as the
# Debian package has them and as the AppStream metadata's English paragraphs, each of
# which its template follows with the Chinese one.
function(velmora_read_description file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(READ ${file} text)
    if(NOT text MATCHES "^[^\n]+\n\n(.+[^\n])\n*$")
        message(FATAL_ERROR "${file}: a summary line, an empty line, then the paragraphs")
    endif()
    set(long "${CMAKE_MATCH_1}")
    string(REPLACE "\n\n" ";" paragraphs "${long}")
    list(LENGTH paragraphs count)
    if(NOT count EQUAL 2)
        message(FATAL_ERROR "${file} has ${count} paragraphs; velmora.metainfo.xml.in has "
                            "a Chinese one after each of 2")
    endif()
    set(VELMORA_DESCRIPTION "${long}" PARENT_SCOPE)
    set(index 0)
    foreach(paragraph IN LISTS paragraphs)
        math(EXPR index "${index} + 1")
        string(REPLACE "&" "&amp;" paragraph "${paragraph}")
        string(REPLACE "<" "&lt;" paragraph "${paragraph}")
        string(REPLACE "\n" "\n      " paragraph "${paragraph}")
        set(VELMORA_DESCRIPTION_${index} "${paragraph}" PARENT_SCOPE)
    endforeach()
endfunction()
velmora_read_description(${PROJECT_SOURCE_DIR}/packaging/description.txt)
set(VELMORA_PACKAGE_MAINTAINER "The Velmora developers <velmora@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")

set(VELMORA_DESKTOP_FILE ${PROJECT_BINARY_DIR}/packaging/${VELMORA_APP_ID}.desktop)
set(VELMORA_METAINFO_FILE ${PROJECT_BINARY_DIR}/packaging/${VELMORA_APP_ID}.metainfo.xml)
configure_file(${PROJECT_SOURCE_DIR}/packaging/velmora.desktop.in ${VELMORA_DESKTOP_FILE} @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/velmora.metainfo.xml.in ${VELMORA_METAINFO_FILE}
               @ONLY)

# tests/packaging is read before this file; it picks the id up from here when the
# build system is generated.
set_property(TARGET velmora PROPERTY VELMORA_APP_ID ${VELMORA_APP_ID})
# The running window names its desktop entry, so that desktops match it to its launcher.
target_compile_definitions(velmora_ui PRIVATE VELMORA_APP_ID="${VELMORA_APP_ID}")

# On Windows the programs sit at the top of their folder, next to their DLLs, with
# the README, the licence and the page of questions on the rule tables beside them.
if(WIN32)
    install(TARGETS velmora velmora-cli RUNTIME DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/rule-questions.md
            DESTINATION .)
    install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
else()
    install(TARGETS velmora velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
# qt_standard_project_setup gives installed programs a RUNPATH of $ORIGIN/../lib for
# bundled Qt libraries; Velmora uses the system's, so the installed programs have none.
set_target_properties(velmora velmora-cli PROPERTIES INSTALL_RPATH "")

if(UNIX AND NOT APPLE)
    install(FILES ${VELMORA_DESKTOP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${VELMORA_METAINFO_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
    foreach(size 16 32 48)
        install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/velmora-${size}.png
                DESTINATION ${hicolor}/${size}x${size}/apps
                RENAME ${VELMORA_APP_ID}.png)
    endforeach()
    install(FILES ${PROJECT_SOURCE_DIR}/resources/velmora.svg
            DESTINATION ${hicolor}/scalable/apps
            RENAME ${VELMORA_APP_ID}.svg)
    unset(hicolor)

    # What Debian asks of every package: the licence in machine-readable form, the
    # changelog and the manual pages, the last two compressed as Debian wants them
    # (gzip -n: no time stamp, so the same text makes the same file).
    set(packaging_out ${PROJECT_BINARY_DIR}/packaging)
    velmora_write_copyright(${PROJECT_SOURCE_DIR}/LICENSE ${packaging_out}/copyright)
    # The README, the command line's page and the page of questions on the rule tables
    # go beside them; the licence is the copyright file.
    # The rule base's fingerprint, as the program works it out: the pinned answers are
    # byte for byte the rule base's text (the suite holds them to it).
    set(answers ${PROJECT_SOURCE_DIR}/tests/recommend/answers.tsv)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${answers})
    file(SHA256 ${answers} answers_hash)
    string(SUBSTRING ${answers_hash} 0 8 VELMORA_RULE_FINGERPRINT)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/man/velmora.1.in ${packaging_out}/velmora.1
                   @ONLY)
    # velmora-cli's page takes its commands from the program's --help.
    configure_file(${PROJECT_SOURCE_DIR}/packaging/man/velmora-cli.1.in
                   ${packaging_out}/velmora-cli.1.in @ONLY)
    add_custom_command(OUTPUT ${packaging_out}/velmora-cli.1
        COMMAND velmora-cli-man ${packaging_out}/velmora-cli.1.in ${packaging_out}/velmora-cli.1
        DEPENDS velmora-cli-man ${packaging_out}/velmora-cli.1.in VERBATIM)
    find_program(GZIP gzip REQUIRED)
    set(compressed_docs)
    foreach(source ${packaging_out}/velmora.1 ${packaging_out}/velmora-cli.1
                   ${PROJECT_SOURCE_DIR}/packaging/debian/changelog
                   ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/docs/rule-questions.md
                   ${PROJECT_SOURCE_DIR}/docs/command-line.md)
        get_filename_component(name ${source} NAME)
        set(compressed ${packaging_out}/${name}.gz)
        add_custom_command(OUTPUT ${compressed}
            COMMAND ${GZIP} -9nc ${source} > ${compressed}
            DEPENDS ${source} VERBATIM)
        list(APPEND compressed_docs ${compressed})
    endforeach()
    add_custom_target(velmora_compressed_docs ALL DEPENDS ${compressed_docs})
    install(FILES ${packaging_out}/velmora.1.gz ${packaging_out}/velmora-cli.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${packaging_out}/copyright ${packaging_out}/changelog.gz
                  ${packaging_out}/README.md.gz ${packaging_out}/rule-questions.md.gz
                  ${packaging_out}/command-line.md.gz
            DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)
    unset(compressed_docs)
    unset(packaging_out)
endif()

set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "The Velmora developers")
set(CPACK_PACKAGE_CONTACT "${VELMORA_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VELMORA_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
# Wrapped in the file: the Debian control file keeps the lines as they are.
set(CPACK_PACKAGE_DESCRIPTION "${VELMORA_DESCRIPTION}")
set(CPACK_STRIP_FILES ON)

if(UNIX AND NOT APPLE)
    set(CPACK_GENERATOR DEB)
elseif(WIN32)
    include(${CMAKE_CURRENT_LIST_DIR}/WindowsPackaging.cmake)
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# dpkg-shlibdeps (from dpkg-dev) adds the Qt and C++ runtime libraries; the
# windows draw their Chinese text in AR PL UMing, and Qt's own texts (context menus,
# dialogs) come from its Chinese translation; no library pulls those in.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, qt6-translations-l10n")
if(BUILD_TESTING AND UNIX AND NOT APPLE)
    add_test(NAME packaging_package_list
             COMMAND ${CMAKE_COMMAND} -DCOMMON_SH=${PROJECT_SOURCE_DIR}/scripts/common.sh
                     -DGUIDE=${PROJECT_SOURCE_DIR}/CONTRIBUTING.md
                     "-DDEPENDS=${CPACK_DEBIAN_PACKAGE_DEPENDS}"
                     -P ${PROJECT_SOURCE_DIR}/tests/packaging/check_package_list.cmake)
    set_tests_properties(packaging_package_list PROPERTIES TIMEOUT 60)
endif()

include(CPack)
