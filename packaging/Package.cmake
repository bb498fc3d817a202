# `cmake --build --preset release --target package` (make package): the Debian package of
# what `cmake --install` lays out, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zelvane)
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "Zelvane developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "unit converter in a small panel, with a command-line tool")
set(CPACK_PACKAGE_DESCRIPTION
    "Zelvane converts units, currencies and user-defined units from a small floating panel "
    "reached from the system tray, a global hot key or the desktop's launcher. It reads phrases "
    "such as \"5 km to mi\" in English or Chinese wording. zelvane-cli offers the same "
    "conversions in a terminal.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${ZELVANE_PROJECT_URL}")
# Libraries the programs link are found by dpkg-shlibdeps; these are used without linking:
# libcurl is opened at run time and checks the rate services' certificates against the system's
# CA bundle (which libcurl4 only recommends), QML modules are imported by the panel, flags are
# emoji text.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libcurl4, ca-certificates, fonts-noto-color-emoji, libqt6svg6, qml6-module-qtquick, qml6-module-qtquick-window, qml6-module-qtquick-controls, qml6-module-qtquick-templates, qml6-module-qtquick-layouts, qml6-module-qtquick-shapes, qml6-module-qtqml-workerscript")
# Native Wayland sessions without XWayland need Qt's Wayland platform plug-in; the Chinese,
# Japanese, Korean and Thai interface texts need fonts that cover them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-noto-cjk, fonts-thai-tlwg")
include(CPack)
