# The Debian package of the install: cpack -G DEB in the build folder (the "package" workflow).
set(CPACK_PACKAGE_NAME velloran)
set(CPACK_PACKAGE_VENDOR Orvane)
set(CPACK_PACKAGE_CONTACT "${VELLORAN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "map game controller and button board buttons to keystrokes")
# Debian shows the lines as they are: kept under 80 columns here.
set(CPACK_PACKAGE_DESCRIPTION [[
Velloran edits key-mapping configurations of game controllers and HID button
boards: for every button, up to 16 keystrokes on press and 16 on release, with
repeat, rotary encoder and lock-key options, and a live test of the open
configuration.

runvale, the runner, plays a saved configuration without a window, also as a
systemd user service that starts at login.]])
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VELLORAN_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so not found by dpkg-shlibdeps: Qt's display plugins and the icon theme
# the installed icons belong to.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/debian/postinst)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
