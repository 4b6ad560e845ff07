# A portable archive: unpacked anywhere (the monitor's storage, say), the editor runs from its
# folder and finds SETTINGS.TXT and DATA beside itself. A .tar.gz of the Linux program, a .zip of
# the Windows one; both hold the README, the licence and the technicians' page with its pictures.
install(TARGETS orvane-pm RUNTIME DESTINATION .)
install(FILES README.md LICENSE DESTINATION .)
file(GLOB doc_pictures ${PROJECT_SOURCE_DIR}/docs/*.png)
install(FILES docs/settings-file.md ${doc_pictures} DESTINATION docs)

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_PACKAGE_NAME orvane-pm)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME
    "orvane-pm-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
