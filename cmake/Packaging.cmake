# The portable folder, as the archives hold it and `cmake --install` makes it: the editor at the
# top, to be unpacked straight into the folder that holds SETTINGS.TXT and DATA, beside it the
# technicians' read-me, and everything else in one folder of its own. The editor edits the
# SETTINGS.TXT beside itself, so there is no system-wide install: by default `cmake --install`
# fills <build>/portable, and the program it installs is stripped like the packaged one.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX ${PROJECT_BINARY_DIR}/portable CACHE PATH "The portable folder" FORCE)
endif()
# What the read-me says differs between the two programs.
if(WIN32)
    set(ORVANE_PROGRAM orvane-pm.exe)
    set(ORVANE_PROGRAM_PAD "           ")
    set(ORVANE_START "double-click orvane-pm.exe.")
    set(ORVANE_NEEDS "The editor runs on Windows as it is; it needs nothing else.")
else()
    set(ORVANE_PROGRAM orvane-pm)
    set(ORVANE_PROGRAM_PAD "               ")
    set(ORVANE_START "open it from the file manager, or type\n   ./orvane-pm in a terminal opened in that folder.")
    set(ORVANE_NEEDS "On Debian 12 the editor needs the packages libqt6widgets6 and fonts-dejavu-core (and what\nthey pull in); with qt6-translations-l10n as well, the boxes' buttons are in the desktop's\nlanguage.")
endif()
configure_file(docs/technician-readme.txt.in ${PROJECT_BINARY_DIR}/orvane-pm-README.txt @ONLY)
set(help_folder orvane-pm-help)
file(GLOB box_pictures ${PROJECT_SOURCE_DIR}/docs/box-*.png)

install(CODE "set(CMAKE_INSTALL_DO_STRIP ON)")
install(TARGETS orvane-pm RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/orvane-pm-README.txt DESTINATION .)
install(FILES docs/settings-file.md ${box_pictures} LICENSE DESTINATION ${help_folder})

if(WIN32)
    set(CPACK_GENERATOR ZIP)
else()
    set(CPACK_GENERATOR TGZ)
endif()
set(CPACK_PACKAGE_NAME orvane-pm)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME
    "orvane-pm-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
# No top folder: unpacked, the editor lands beside SETTINGS.TXT, not one folder below it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
