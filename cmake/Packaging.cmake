# The portable folder, as the archives hold it and `cmake --install` makes it: the editor at the
# top, to be unpacked straight into the folder that holds SETTINGS.TXT and DATA, beside it the
# technicians' read-me (and on Linux the script that starts the editor), and everything else in
# one folder of its own. Each name differs from every other in its first eight characters and its
# extension's first three, so that a FAT volume that keeps only short (8.3) names keeps them all.
# The editor edits the SETTINGS.TXT beside itself, so there is no system-wide install: by default
# `cmake --install` fills <build>/portable, and the program it installs is stripped like the
# packaged one.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
    set(CMAKE_INSTALL_PREFIX ${PROJECT_BINARY_DIR}/portable CACHE PATH "The portable folder" FORCE)
endif()
# The archive's kind, and what the read-me says, differ between the two programs.
if(WIN32)
    set(CPACK_GENERATOR ZIP)
    set(ORVANE_PROGRAM orvane-pm.exe)
    set(ORVANE_PROGRAM_PAD "           ")
    set(ORVANE_SCRIPT_LINE "")
    set(ORVANE_START "double-click orvane-pm.exe.")
    set(ORVANE_START_NOTES "")
    set(ORVANE_NEEDS "The editor runs on Windows as it is; it needs nothing else.")
else()
    set(CPACK_GENERATOR TGZ)
    set(ORVANE_PROGRAM orvane-pm)
    set(ORVANE_PROGRAM_PAD "               ")
    set(ORVANE_SCRIPT_LINE "\n       orvane-pm.sh            starts the editor (see 2.)")
    set(ORVANE_START [[in a terminal opened in that folder (most file managers offer
   "Open in Terminal" in the folder's menu), type

       sh orvane-pm.sh
]])
    # A newline right after "[[" is dropped: the first line is left empty.
    set(ORVANE_START_NOTES [[


   The script is needed where the medium lets no program run, which is how Linux desktops mount
   memory cards and USB sticks: there ./orvane-pm answers "Permission denied", and a file manager
   offers to open orvane-pm instead of running it. Where programs may run (a copy on the
   computer's own disk, say), ./orvane-pm works too. Should sh orvane-pm.sh itself say "failed
   to map segment" or "Permission denied", the medium is mounted so that nothing may run from it
   at all ("noexec"): have it mounted without that option.]])
    # The system's program loader, which starts the editor where the medium lets no program run.
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$")
        set(ORVANE_PROGRAM_LOADER /lib64/ld-linux-x86-64.so.2)
    elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
        set(ORVANE_PROGRAM_LOADER /lib/ld-linux-aarch64.so.1)
    endif()
    if(ORVANE_PROGRAM_LOADER)
        configure_file(src/app/orvane-pm.sh.in ${PROJECT_BINARY_DIR}/orvane-pm.sh @ONLY)
        install(PROGRAMS ${PROJECT_BINARY_DIR}/orvane-pm.sh DESTINATION .)
    else()
        message(WARNING "No program loader known for ${CMAKE_SYSTEM_PROCESSOR}: the portable "
                        "folder gets no orvane-pm.sh, and the read-me names it all the same.")
    endif()
    set(ORVANE_NEEDS "On Debian 12 the editor needs the packages libqt6widgets6 and fonts-dejavu-core (and what\nthey pull in); with qt6-translations-l10n as well, the boxes' buttons are in the desktop's\nlanguage.")
endif()
configure_file(docs/technician-readme.txt.in ${PROJECT_BINARY_DIR}/orvane-pm-README.txt @ONLY)
set(help_folder orvane-help)
file(GLOB box_pictures ${PROJECT_SOURCE_DIR}/docs/box-*.png)

install(CODE "set(CMAKE_INSTALL_DO_STRIP ON)")
install(TARGETS orvane-pm RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/orvane-pm-README.txt DESTINATION .)
install(FILES docs/settings-file.md ${box_pictures} LICENSE DESTINATION ${help_folder})

set(CPACK_PACKAGE_NAME orvane-pm)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_FILE_NAME
    "orvane-pm-${PROJECT_VERSION}-${CMAKE_SYSTEM_NAME}-${CMAKE_SYSTEM_PROCESSOR}")
# No top folder: unpacked, the editor lands beside SETTINGS.TXT, not one folder below it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_STRIP_FILES ON)
include(CPack)
