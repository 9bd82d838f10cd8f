# Installing the editor the way a desktop expects it, and the Debian package made from that.
include(GNUInstallDirs)

set(MF7_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS mf7edit mf7batch mf7demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MF7_PACKAGING}/mf7edit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MF7_PACKAGING}/mf7edit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MF7_PACKAGING}/mf7edit-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME mf7edit.xml)
install(FILES ${MF7_PACKAGING}/man/mf7edit.1 ${MF7_PACKAGING}/man/mf7batch.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mf7edit)
set(CPACK_PACKAGE_VENDOR "Marchfield campaign editor developers")
set(CPACK_PACKAGE_CONTACT "Marchfield campaign editor developers <mf7edit@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Campaign editor for the Marchfield game")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits campaign files: scenarios and their gotos, films and texts; checks campaigns for missing files, writes reports and copies campaigns for other language editions.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The Qt and C++ runtime packages come from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
