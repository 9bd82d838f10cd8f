# Installing the editor the way a desktop expects it, and the Debian package made from that.
include(GNUInstallDirs)

set(MF7_PACKAGING ${PROJECT_SOURCE_DIR}/packaging)
install(TARGETS mf7edit mf7batch mf7demo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${MF7_PACKAGING}/mf7edit.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${MF7_PACKAGING}/mf7edit.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${MF7_PACKAGING}/mf7edit-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME mf7edit.xml)
install(FILES ${MF7_PACKAGING}/mf7edit.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo RENAME org.example.mf7edit.metainfo.xml)

# Man pages and the changelog go in compressed, without a time stamp so that the package is the
# same from every build.
set(MF7_COMPRESSED ${CMAKE_BINARY_DIR}/compressed)
file(MAKE_DIRECTORY ${MF7_COMPRESSED})
function(mf7_gzip source target)
    execute_process(COMMAND gzip -9nc ${source} OUTPUT_FILE ${MF7_COMPRESSED}/${target}
                    COMMAND_ERROR_IS_FATAL ANY)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
endfunction()
foreach(program mf7edit mf7batch mf7demo)
    mf7_gzip(${MF7_PACKAGING}/man/${program}.1 ${program}.1.gz)
    install(FILES ${MF7_COMPRESSED}/${program}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
mf7_gzip(${MF7_PACKAGING}/changelog.Debian changelog.Debian.gz)
install(FILES ${MF7_COMPRESSED}/changelog.Debian.gz ${MF7_PACKAGING}/copyright
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The game's own message texts are kept as the game words them, spelling and all.
install(FILES ${MF7_PACKAGING}/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME mf7edit)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mf7edit)
set(CPACK_PACKAGE_VENDOR "Marchfield campaign editor developers")
set(CPACK_PACKAGE_CONTACT "The Marchfield campaign editor developers <mf7edit@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Campaign editor for the Marchfield game")
set(CPACK_PACKAGE_DESCRIPTION
    "Edits campaign files: scenarios and their gotos, films and texts; checks\n"
    "campaigns for missing files, writes reports and copies campaigns for other\n"
    "language editions. A batch tool does the same from scripts, and a demo\n"
    "generator writes a sample game folder to try the editor on.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The Debian revision: the changelog is the package's own (changelog.Debian.gz).
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
# An editor for a game's files, not a game.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
# The Qt and C++ runtime packages come from the libraries the programs link.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
