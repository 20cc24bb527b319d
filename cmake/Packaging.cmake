# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package: `cpack -G DEB` in the build folder after building. Its library dependencies
# come from dpkg-shlibdeps; the Qt plugins Ampra loads at run time are named here, as no linker
# sees them.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ampra)
set(CPACK_PACKAGE_VENDOR "The Ampra developers")
set(CPACK_PACKAGE_CONTACT "The Ampra developers <${AMPRA_SUPPORT_EMAIL}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "battery companion for laptops")
set(CPACK_PACKAGE_DESCRIPTION "Ampra lives in the system tray and shows the battery's charge,
full-charge capacity, health and the days until the next calibration. It keeps
a history of capacity snapshots and completed calibrations and guides the user
through a periodic battery calibration, with reminders when a step is due.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The pictures are SVG (Qt's image and icon plugins), the history is SQLite (Qt's driver). The X11
# and offscreen platforms come with libqt6gui6; Wayland's is Qt's own package, and without it Qt
# goes through XWayland. The support mail and the links go through xdg-email and xdg-open; Qt's
# dialogs speak the user's language with Qt's translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, libqt6sql6-sqlite")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, xdg-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)

# Debian's documentation files: the copyright and a compressed changelog without a timestamp.
configure_file(${PROJECT_SOURCE_DIR}/resources/debian/changelog.in
    ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
    COMMAND gzip -9 -n -f -k ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog)
add_custom_target(ampra_debian_changelog ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/resources/debian/copyright
    ${CMAKE_CURRENT_BINARY_DIR}/debian/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ampra)

include(CPack)
