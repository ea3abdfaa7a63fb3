# Packaging of the planner as a Debian package: `cpack -G DEB` in a build dir.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavrin)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Tavrin developers")
set(CPACK_PACKAGE_CONTACT "Tavrin developers <dev@tavrin.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Tavrin shows all twelve months of a year in a single window, laid out as a\n\
grid of month panels, and prints the year on one page.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Qt's project setup gives executables an $ORIGIN search path for libraries
# installed beside them; the program has none of its own, and a system
# package must not make the loader look in /usr/bin or /usr/lib first.
set_target_properties(tavrin PROPERTIES INSTALL_RPATH "")
# The debug info of a RelWithDebInfo build would make up most of the package.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tavrin developers <dev@tavrin.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tavrin.org)
# Qt and the CUPS client library are found by dpkg-shlibdeps from the binary;
# the fonts are loaded at run time, and the layout is measured in Arial's
# metrics, which Liberation Sans matches.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)

include(CPack)
