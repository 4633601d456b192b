# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package. It holds what `cmake --install` installs, under /usr.
set(CORVEL_PACKAGE_MAINTAINER "Corvel maintainers <maintainers@corvel.invalid>"
    CACHE STRING "Maintainer named in the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_CONTACT ${CORVEL_PACKAGE_MAINTAINER})
# Debian shows the long description as it is, so its lines are broken here; an empty line starts
# a paragraph.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "Corvel is a small chat program for the people on one local network. It needs\n"
       "no server, no account and no list of peers: every message is one UDP datagram\n"
       "broadcast to 255.255.255.255, port 54545, and every running copy, the\n"
       "sender's included, shows it. It also asks who is online, calls the others\n"
       "with a flashing window, and offers preset messages and an auto-hide mode.\n"
       "\n"
       "Messages travel as plain, unencrypted text: use it on a trusted network only.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION net)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the libraries the program links; Qt loads its window-system plugins at run
# time, where it cannot see them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own texts (standard dialogs, key names) in the user's language; Corvel's are built in.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(GNUInstallDirs)
# Debian wants every package's changelog (compressed, without a time stamp so that rebuilds are
# identical) and copyright file in its documentation folder.
set(package_doc ${CMAKE_INSTALL_DATADIR}/doc/${CPACK_PACKAGE_NAME})
set(package_changelog ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz)
add_custom_command(OUTPUT ${package_changelog}
                   COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/debian/changelog > ${package_changelog}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/debian/changelog)
add_custom_target(corvel_package_docs ALL DEPENDS ${package_changelog})
install(FILES ${package_changelog} ${CMAKE_CURRENT_LIST_DIR}/debian/copyright DESTINATION ${package_doc})
