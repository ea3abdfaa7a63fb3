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
# Qt and the CUPS client library are found by dpkg-shlibdeps from the binary.
# The rest is loaded at run time: the fonts (the layout is measured in Arial's
# metrics, which Liberation Sans matches) and Qt's SVG image plugin, which
# draws the window icon for large sizes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6")
# On a Wayland desktop the planner runs through XWayland, where the desktop
# draws its title bar from the window's fixed size. Installing Qt's Wayland
# plugin switches every Qt 6 program on the machine to Wayland, and Qt 6.4
# then draws its own title bar with a maximize button, so it is only suggested.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS qt6-wayland)

include(CPack)
