# A portable archive: unpacked anywhere (the monitor's storage, say), the editor runs from its
# folder and finds SETTINGS.TXT and DATA beside itself.
install(TARGETS orvane-pm RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
install(FILES docs/settings-file.md docs/editor.png DESTINATION docs)

set(CPACK_GENERATOR TGZ)
set(CPACK_PACKAGE_NAME orvane-pm)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME
    "orvane-pm-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
