# `cpack` in a build folder makes the Debian package vorla_<version>_<arch>.deb of what
# `cmake --install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorla)
set(CPACK_PACKAGE_VENDOR "Vorla")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "plan, record and print a congregation's weekly public-meeting programme")
set(CPACK_PACKAGE_DESCRIPTION "Vorla is a desktop program with which the public-talk \
coordinator of a congregation plans, records and prints the weekly public-meeting programme: \
visiting and outgoing speakers, chairmen, readers, hospitality and special events. The user \
interface is Russian.")
set(CPACK_PACKAGE_CONTACT "Vorla developers <vorla@localhost>")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
# The libraries the program links come from dpkg-shlibdeps. Beside them: Qt's SVG plugins
# (every icon is an SVG, and no symbol of the library is linked), the Russian of Qt's own
# dialogs, and the fonts the reports name (Arial and Times New Roman are matched by Liberation;
# DejaVu is the fallback for everything else). libical3, which the calendar export links, is
# named as well, so that the package says so even where shlibdeps is switched off.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6svg6, libical3, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")

include(CPack)
