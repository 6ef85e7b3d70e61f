# The Debian package wrg_<version>_<arch>.deb, built by `cpack -G DEB` in a
# build folder (scripts/package.sh builds the Release package users get).
# The libraries it needs are computed by dpkg-shlibdeps from the executables;
# what the executables load at run time without linking it is listed by hand:
# Qt's platform plugins (without them no window opens) and Qt's translations
# of its standard dialogs; the fonts the windows and datasheets ask for are
# recommended.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME wrg)
set(CPACK_PACKAGE_VENDOR "Quorvane GmbH")
set(CPACK_PACKAGE_CONTACT "Quorvane GmbH <info@quorvane.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "economy of heat recovery in ventilation units")
set(CPACK_PACKAGE_DESCRIPTION
    "WRG calculates whether air-to-air heat recovery in a ventilation or
air-conditioning unit pays off, by the annuity method of VDI 2071: rotary,
cross-flow plate and counterflow plate heat exchangers, an hourly simulation
of a year on typical days, costs, savings and payback time, datasheets as
PDF. The package holds the windowed program wrg and the command line
program wrgcalc.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quorvane.example")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
if(WRG_BUILD_GUI)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-dejavu-core, fonts-liberation2, fonts-noto-cjk")
endif()

include(CPack)
