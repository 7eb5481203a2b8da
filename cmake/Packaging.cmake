# The installed program and its Debian package. The program folder holds the module,
# its message files (errmsg/) and its help side by side, as the host suite expects;
# bin/ms2416x points into it, and the module finds its files beside its real path.
set(CPACK_PACKAGE_NAME ms2416x)
set(CPACK_PACKAGE_VENDOR "Korvane")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Korvane MS-2416X switch management module")
set(CPACK_PACKAGE_DESCRIPTION
    "The device management module for the Korvane MS-2416X managed Layer-2 switch:\na live front panel and one window per management group, over SNMP v1, v2c\nand v3, with a connect window for desktops without the management suite.")
set(CPACK_PACKAGE_CONTACT "Korvane module maintainers <ms2416x-maintainers@korvane.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Found from the libraries, plus what is loaded at run time: Qt's desktop platform plugin
# and the keyring library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libsecret-1-0")
# The help has a window of its own; "Open in browser" only hands the page on.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xdg-utils")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_GENERATOR DEB)
include(CPack)
