# The Debian package, built by `cpack` (scripts/package.sh): the installed tree
# under /usr, with the shared-library dependencies computed from the binaries
# by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME sillabor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "workbench for Italian word puzzles")
# The summary is the first line of the package's description; this is the rest.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Sillabor searches an Italian word list for phrase anagrams, words that
match letter patterns, the classic games around a base word, word ladders
and cryptograms. It has a Qt window, sillabor, and a command line,
sillabor-cli. The program speaks Italian.")
set(CPACK_PACKAGE_CONTACT "Sillabor developers <sillabor@localhost>")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's window-system plugins are loaded at run time, so no library names them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
# The output font asked for by name, and the desktop's "open folder".
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation, xdg-utils")
set(CPACK_STRIP_FILES ON)
include(CPack)
