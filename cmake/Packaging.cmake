# The Debian package: `cpack -G DEB` in the build directory. Its run-time dependencies are worked
# out from the binary by dpkg-shlibdeps; only what no library link shows is listed by hand.
set(CPACK_PACKAGE_NAME dosecalc)
set(CPACK_PACKAGE_VENDOR "The dosecalc authors")
set(CPACK_PACKAGE_CONTACT "${DOSECALC_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${DOSECALC_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "annual radiation dose calculator (Japanese)")
set(CPACK_PACKAGE_DESCRIPTION
    "Estimates the radiation dose a person would receive in one year from measured
concentrations of iodine-131, caesium-134 and caesium-137 and from ambient dose
rates, classifies it into nine verdict levels and shows the verdict with a
coloured gauge, advice and an animated 3-D face. The window is in Japanese.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# No Homepage field until the project has a web home of its own (README.md, Install).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window's Japanese font is looked up by name at run time, and Qt's Japanese texts (context
# menus, message box buttons) are loaded from qtbase_ja.qm, so no link shows the need for either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-ipafont-gothic, qt6-translations-l10n")
# Qt's native platform plugin for Wayland sessions (X11's comes with Qt's GUI library).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
