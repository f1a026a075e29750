# Read by cpack once for each generator of a Windows build (CPACK_PROJECT_CONFIG_FILE):
# the installer is velmora-<version>-win64-setup.exe; the zip is
# velmora-<version>-win64.zip, with everything in its folder velmora-<version>-win64/.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_PACKAGE_FILE_NAME velmora-${CPACK_PACKAGE_VERSION}-win64)
endif()
