# The Debian package: `cpack -G DEB` in the build folder writes prismora_<version>_amd64.deb.
set(CPACK_PACKAGE_NAME prismora)
set(CPACK_PACKAGE_VENDOR "Prismora developers")
set(CPACK_PACKAGE_CONTACT "Prismora developers <developers@prismora.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "laser puzzle game with a built-in level editor")
set(CPACK_PACKAGE_DESCRIPTION
    "Cannons fire red, green and blue beams across a 9 x 9 board; the player places
mirrors, splitters, an inverter and other pieces so that every lamp gets its
colour without a beam touching a bomb. Thirty levels come with the game, and
the built-in editor makes new ones to test and share as .prl files.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)

# Debian installs under /usr whatever prefix the build folder was configured with.
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://prismora.org/)
# Qt, libjpeg, libpng and libtiff follow from the linked libraries; the fonts
# stand in for the ones the game's texts are designed in and are not linked.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-comic-neue, fonts-liberation2, fonts-dejavu-core")
# Qt's own Swedish texts for the standard buttons of message boxes and dialogs.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")

include(CPack)
