# The Debian package: `cpack --config build/CPackConfig.cmake` (or `cmake --build build
# --target package`) writes verbolet_<version>_<arch>.deb into the build tree.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME verbolet)
set(CPACK_PACKAGE_VENDOR "Verbolet Project")
set(CPACK_PACKAGE_CONTACT "Verbolet Project <support@verbolet.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "expands chat and text-message shorthand into plain words")
set(CPACK_PACKAGE_DESCRIPTION [[
Verbolet is a small desktop utility: type a message such as 'brb lol' and it
writes 'be right back laughing out loud'. It comes with a dictionary of more
than 1600 chat and SMS abbreviations, and with the command-line translator
verbolet-translate for pipes and scripts.]])
set(CPACK_PACKAGE_HOMEPAGE_URL "https://verbolet.example.org/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies are computed from the programs by dpkg-shlibdeps. The help
# page and the links open through xdg-open.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
