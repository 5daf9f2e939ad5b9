# CPack's DEB generator: the package is built straight from the install rules above, and
# dpkg-shlibdeps derives Depends from the libraries the programs really link.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pathnab)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR ${PATHNAB_COMPANY})
set(CPACK_PACKAGE_CONTACT "Pathnab developers <pathnab@tallwick.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "copy a file's path from the file manager's context menu")
set(CPACK_PACKAGE_DESCRIPTION
    "Pathnab opens a small window next to the mouse pointer listing a file's path\n as full path, file name, base name, short path, file:// URL and UNC path;\n the row clicked goes to the clipboard. The package adds a Pathnab item to\n the context menus of Nautilus, Dolphin, Nemo, Caja and PCManFM-Qt, a hidden\n desktop entry that launchers start by name, and a command that adds the item\n to Thunar's custom actions.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "python3")
# libnetapi (from samba-libs) is opened at run time only when a local Samba server answers;
# Wayland sessions without X11 need Qt's Wayland plugin.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "samba-libs, qt6-wayland")
# hardinfo2 (Debian 13) or hardinfo (Debian 12) is the System Information program the
# machine-wide store names; only the About box's button needs it, and it brings GTK and pciutils.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "python3-nautilus, caja-actions, hardinfo2 | hardinfo")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/conffiles)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR})
include(CPack)
