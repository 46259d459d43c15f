# The Debian package, made by `cpack -G DEB` in the build folder (scripts/package).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME systemes-encheres)
set(CPACK_PACKAGE_VENDOR "Systèmes d'Enchères developers")
set(CPACK_PACKAGE_CONTACT "${VORNELLE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "bidding conventions editor for the bridge program Vornelle")
set(CPACK_PACKAGE_DESCRIPTION
    "An editor, in French, for the bidding conventions that the bridge program
Vornelle keeps in its settings file, for North-South and East-West side by
side. It writes the settings back into that file, changing only their lines,
and saves or opens one side's settings as a named system.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Not "games": that section is for games installed in /usr/games, and this is a tool for one.
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# What the program loads at run time, which dpkg-shlibdeps cannot see: Qt's French texts and
# the window's font. (The X11 platform plugin comes with libqt6gui6; the pictures are PNGs
# built into the program, drawn without any image plugin.)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-dejavu-extra")

# The members' times are the build's (cmake/reproducible.cmake), not the time of packing: cpack
# reads SOURCE_DATE_EPOCH, which cmake/package_time.cmake sets from this.
set(CPACK_VORNELLE_SOURCE_DATE_EPOCH ${VORNELLE_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/package_time.cmake)

include(CPack)
