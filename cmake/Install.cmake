# SPDX-License-Identifier: GPL-3.0-or-later
# Installing the program as a Linux user expects it, and packing that install as a .deb.
#   cmake --install build --prefix P    P/bin/bullevista, P/share/bullevista/ (skins/, lang/, defaults.ini),
#                                       P/bin/bullevista-thumbnailer, the desktop and thumbnailer entries,
#                                       the MIME package, the icons and the AppStream metainfo under P/share/
#   cd build && cpack -G DEB            bullevista_<version>_<arch>.deb (`make package` does both steps)
include(GNUInstallDirs)

set(BV_APP_ID org.bullevista.bullevista)
set(BV_SHARE_DIR ${CMAKE_BINARY_DIR}/share)
set(BV_CONTACT "Bullevista developers <developers@bullevista.org>")
set(BV_ICON_SVG ${CMAKE_SOURCE_DIR}/resources/icons/bullevista.svg)

# The program carries its icon, so a copy run where it was built can hand it to the desktop too.
qt_add_resources(bv_dialogs bv_icon PREFIX /icons BASE ${CMAKE_SOURCE_DIR}/resources/icons FILES ${BV_ICON_SVG})

# The desktop entry, the MIME package and the icon sizes, written at build time into build/share/ by the
# same code that registers a copy run from the build folder.
add_custom_command(
  OUTPUT ${BV_SHARE_DIR}/applications/bullevista.desktop
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:make-desktop-files> ${BV_SHARE_DIR} ${BV_ICON_SVG}
  DEPENDS make-desktop-files ${BV_ICON_SVG}
  COMMENT "Writing the desktop entry, the MIME package and the icons")
add_custom_target(desktop-files ALL DEPENDS ${BV_SHARE_DIR}/applications/bullevista.desktop)
configure_file(${CMAKE_SOURCE_DIR}/packaging/bullevista.metainfo.xml.in
               ${BV_SHARE_DIR}/metainfo/${BV_APP_ID}.metainfo.xml @ONLY)

# Debian's package documents: the changelog and the manual page, compressed as Debian keeps them, and
# the copyright.
set(BV_CHANGELOG ${CMAKE_BINARY_DIR}/doc/changelog)
file(WRITE ${BV_CHANGELOG} "bullevista (${PROJECT_VERSION}) unstable; urgency=medium\n\n"
     "  * Release ${PROJECT_VERSION}.\n\n -- ${BV_CONTACT}  Mon, 07 Dec 2026 12:00:00 +0000\n")
execute_process(COMMAND gzip -n -9 -f ${BV_CHANGELOG})
execute_process(COMMAND gzip -n -9 -c ${CMAKE_SOURCE_DIR}/packaging/bullevista.1
                OUTPUT_FILE ${CMAKE_BINARY_DIR}/doc/bullevista.1.gz)

# The settings of a first start (no settings file yet): beside the viewer in the build, so `make run`
# starts fitted too, and in share/bullevista/ when installed.
configure_file(${CMAKE_SOURCE_DIR}/resources/defaults.ini ${CMAKE_BINARY_DIR}/defaults.ini COPYONLY)
install(FILES ${CMAKE_SOURCE_DIR}/resources/defaults.ini DESTINATION ${CMAKE_INSTALL_DATADIR}/bullevista)

install(TARGETS bullevista bullevista-thumbnailer RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${BV_SHARE_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR})
install(FILES ${BV_CHANGELOG}.gz ${CMAKE_SOURCE_DIR}/packaging/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/bullevista)
install(FILES ${CMAKE_BINARY_DIR}/doc/bullevista.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

if(BV_TESTS)
  # Installs into a fresh prefix, checks it with the desktop's validators and runs the installed viewer
  # from it made read-only, with an empty home.
  add_test(NAME InstallTree
           COMMAND bash ${CMAKE_SOURCE_DIR}/tests/install/check-install.sh ${CMAKE_BINARY_DIR} ${BV_APP_ID})
  set_tests_properties(InstallTree PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 300)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME bullevista)
set(CPACK_PACKAGE_VENDOR "Bullevista developers")
set(CPACK_PACKAGE_CONTACT "${BV_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "fast, skinnable comic-book viewer")
set(CPACK_PACKAGE_DESCRIPTION
    "Bullevista reads comic books (cbz, cbr, cb7, cbt, bdz, pdf) and folders of page
images page by page, in a frameless window drawn by a skin, with the next page
decoded in the background.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# The libraries the program links (Poppler's Qt 6 binding for PDF books among them) come from dpkg-shlibdeps; Qt's platform plugins (loaded, not linked)
# are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils")
include(CPack)
