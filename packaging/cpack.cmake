# The Debian package: `cpack --config build/CPackConfig.cmake` (or `cmake --build build
# --target package`) writes verbolet_<version>_<arch>.deb into the build tree; the version is
# the project's.
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
set(CPACK_PACKAGE_HOMEPAGE_URL "${PROJECT_HOMEPAGE_URL}")

# Installed as `DESTDIR=<staging> cmake --install --prefix /usr`, so that the install sees the
# prefix /usr and puts the dictionary into /etc/verbolet.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies are computed from the programs by dpkg-shlibdeps. The window needs one
# of Qt's platform plugins, which libqt6gui6 only recommends. The help page and the links open
# through xdg-open; the window's captions are laid out for the metric-compatible Liberation fonts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, fonts-liberation")
# The dictionary is a conffile: dpkg keeps an administrator's edit at upgrades.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
