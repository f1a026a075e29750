# The Windows layout, read by cmake/Packaging.cmake in a WIN32 build: the programs sit
# at the top of the install folder with their DLLs, Qt plugins and translation beside
# them (cmake/WindowsDeploy.cmake), and `cpack` wraps that folder in an installer with
# a Start-menu shortcut and an uninstaller (NSIS), and in a zip to unpack anywhere
# (ZIP): velmora-<version>-win64-setup.exe and velmora-<version>-win64.zip, whose
# one folder velmora-<version>-win64/ holds what the installer installs.

# The DLLs are found by reading PE imports with the MinGW tools, which only a cross
# build from Linux has; a native Windows build lays out its folder with Qt's own
# windeployqt instead.
if(NOT CMAKE_CROSSCOMPILING)
    message(STATUS "Native Windows build: run windeployqt on the installed velmora.exe")
else()
    # The MinGW runtime DLLs (libstdc++, libgcc, winpthread) and the import libraries
    # that tell a Windows DLL from one that has to ship.
    foreach(file libstdc++-6.dll libwinpthread-1.dll libkernel32.a)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${file}
                        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${path}" OR NOT EXISTS "${path}")
            message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${file} is")
        endif()
        get_filename_component(dir ${path} DIRECTORY)
        get_filename_component(dir ${dir} REALPATH)
        set(mingw_dir_${file} ${dir})
    endforeach()

    # Qt's own Chinese texts (buttons of its dialogs, the print dialog); the cross Qt of
    # ./scripts/build-cross-qt carries them.
    set(VELMORA_QTBASE_ZH_CN_QM ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}/qtbase_zh_CN.qm)
    if(NOT EXISTS ${VELMORA_QTBASE_ZH_CN_QM})
        message(FATAL_ERROR "${VELMORA_QTBASE_ZH_CN_QM} is missing: Qt's Chinese translation")
    endif()

    install(CODE "
        set(VELMORA_DEPLOY_OBJDUMP \"${CMAKE_OBJDUMP}\")
        set(VELMORA_DEPLOY_STRIP \"${CMAKE_STRIP}\")
        set(VELMORA_DEPLOY_SEARCH_DIRS \"$<TARGET_FILE_DIR:Qt6::Core>;${mingw_dir_libstdc++-6.dll};${mingw_dir_libwinpthread-1.dll}\")
        set(VELMORA_DEPLOY_SYSTEM_LIBS \"${mingw_dir_libkernel32.a}\")
        set(VELMORA_DEPLOY_QT_PLUGINS \"${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}\")
        set(VELMORA_DEPLOY_TRANSLATIONS \"${VELMORA_QTBASE_ZH_CN_QM}\")
    ")
    install(SCRIPT ${PROJECT_SOURCE_DIR}/cmake/WindowsDeploy.cmake)
endif()

set(CPACK_GENERATOR NSIS ZIP)
# The zip's own name (and its folder's), set for each generator as CPack runs it.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/WindowsPackageNames.cmake)
# A 64-bit installer for a 64-bit program: it runs wherever velmora.exe can, writes
# to the 64-bit registry view and Program Files, and wine64 alone runs it.
# velmora-cli from any console: the installer puts its folder on the user's PATH
# (HKCU\Environment), offered as a ticked box on the finish page and done in a silent
# install; the uninstaller takes it out again. CPack's AddToPath and un.RemoveFromPath
# do the work; they write the user's PATH while $ADD_TO_PATH_ALL_USERS is not 1.
string(JOIN "\n" CPACK_NSIS_DEFINES
    "Target amd64-unicode"
    "!define MUI_FINISHPAGE_SHOWREADME \"\""
    "!define MUI_FINISHPAGE_SHOWREADME_TEXT \"Add Velmora to my PATH (velmora-cli in any console)\""
    "!define MUI_FINISHPAGE_SHOWREADME_FUNCTION VelmoraAddToPath"
    "Function VelmoraAddToPath"
    "  StrCpy $ADD_TO_PATH_ALL_USERS 0"
    "  Push $INSTDIR"
    "  Call AddToPath"
    "FunctionEnd")
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS "IfSilent 0 +2\n  Call VelmoraAddToPath")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "StrCpy $ADD_TO_PATH_ALL_USERS 0\n  Push $INSTDIR\n  Call un.RemoveFromPath")
set(CPACK_PACKAGE_FILE_NAME velmora-${PROJECT_VERSION}-win64-setup)
# C:\Program Files\Velmora, and the same name in the Start menu and the registry.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velmora)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velmora)
set(CPACK_NSIS_PACKAGE_NAME Velmora)
set(CPACK_NSIS_DISPLAY_NAME "Velmora ${PROJECT_VERSION}")
# The Start-menu shortcut; it shows the icon velmora.exe carries.
set(CPACK_PACKAGE_EXECUTABLES velmora Velmora)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
# The icon "Programs and Features" shows next to the uninstall entry.
set(CPACK_NSIS_INSTALLED_ICON_NAME velmora.exe)
set(CPACK_NSIS_MUI_ICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_MUI_UNIICON ${PROJECT_SOURCE_DIR}/resources/velmora.ico)
set(CPACK_NSIS_URL_INFO_ABOUT ${VELMORA_HOMEPAGE})
set(CPACK_NSIS_CONTACT "${VELMORA_PACKAGE_MAINTAINER}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
