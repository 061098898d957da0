# The Debian package (cpack -G DEB, run by `make package` on a Release build).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vormante)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vormante developers")
set(CPACK_PACKAGE_CONTACT "The Vormante developers <maintainers@vormante.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for DVB-S satellite receiver channel databases")
# CPack puts the summary first and indents these lines; an empty line separates paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Vormante edits the channel database image (204800 bytes) of a DVB-S
satellite receiver: satellites, transponders, TV and radio channels, LNB
types and system settings. It moves whole images between the PC and the
receiver over a serial cable.

The package also holds vormante-cli, which inspects, checks, dumps and
transfers images from the command line, and vormante-receiver-sim, which
plays a receiver on a pseudo-terminal for trying transfers without one.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps names the Qt libraries the programs link (libqt6core6, libqt6gui6,
# libqt6widgets6, libqt6serialport6, ...); the rest are loaded as plug-ins at run time:
# the platform plug-ins and the SVG icon engine.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
# The GTK platform theme lets Qt take the palette (a dark one too), fonts and file
# dialogs of GNOME-like desktops; Plasma brings its own. Qt's own translations put standard
# buttons and file dialogs into the editor's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme, qt6-gtk-platformtheme, qt6-translations-l10n")
include(CPack)
