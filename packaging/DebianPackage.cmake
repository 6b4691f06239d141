# The Debian package, built by `cpack` in the build directory from the
# install rules in this folder: courier-firms_<version>_<arch>.deb.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT "courier-firms developers <courier-firms@example.org>")
# Debian versions have three parts; the fourth number of the project version
# is for Windows file versions only. A package is for the release it is built
# on, whose libraries it names, and says which: 1.0.0~deb12 for Debian 12,
# 1.0.0~deb13 for Debian 13, which replaces it when the machine is upgraded.
cmake_host_system_information(RESULT os_id QUERY DISTRIB_ID)
cmake_host_system_information(RESULT os_version QUERY DISTRIB_VERSION_ID)
string(REPLACE "debian" "deb" os_id "${os_id}")
set(DEBIAN_PACKAGE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
if(os_version)
    string(APPEND DEBIAN_PACKAGE_VERSION "~${os_id}${os_version}")
endif()
set(DEBIAN_PACKAGE_VERSION ${DEBIAN_PACKAGE_VERSION} PARENT_SCOPE)
set(CPACK_PACKAGE_VERSION ${DEBIAN_PACKAGE_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "list of courier firms, sorted alphabetically or by length")
set(CPACK_PACKAGE_DESCRIPTION
    "A small teaching program with a Bulgarian user interface. One window keeps a
list of working courier firms and four buttons: show the firms in alphabetical
order, in order of name length, in the order in which they were entered, and
write the selected firm into a text box.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Library dependencies come from the binary through dpkg-shlibdeps and are
# added to the ones named here. The window asks for "Times New Roman", which
# fontconfig maps to Liberation Serif only when fonts-liberation2 is there.
# Qt's own texts (menus, message box buttons) are shown in Bulgarian from
# qtbase_bg.qm in qt6-translations-l10n. The X11 platform plugin comes with
# libqt6gui6 (a library dependency); the Wayland one is qt6-wayland, without
# which a Wayland desktop runs the program through XWayland.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")

include(CPack)
