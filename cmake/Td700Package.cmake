# Installing and the Debian package: the three programs, the desktop entry with its icon, the
# file types of parameter and data files, manual pages made from the programs' --help, the
# completion of td700, and the logger as a systemd service with the user it runs as. Nothing here is built by the normal build; `cpack -G DEB` (see
# scripts/package) installs into its own staging folder and makes the package from that.
include(GNUInstallDirs)

install(TARGETS TD700_File td700 td700-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES packaging/td700-file.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/td700.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES packaging/td700-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME td700.xml)
install(FILES packaging/td700.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME td700)
# td700 log as a service, one instance per bus (its user is made by the package's postinst).
install(FILES packaging/td700-log@.service DESTINATION lib/systemd/system)

# The manual pages are written at install time from the programs just built, so they say
# what the programs say; help2man is needed then, not for the build.
install(CODE "
  set(TD700_MAN_DIR \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_MANDIR}/man1\")
  set(TD700_PROGRAMS \"$<TARGET_FILE:td700>;$<TARGET_FILE:td700-sim>;$<TARGET_FILE:TD700_File>\")
  set(TD700_VERSION \"${PROJECT_VERSION}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/WriteManPages.cmake\")
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME td700)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "TD700 maintainers <td700@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "PC companion of the TD700 paperless recorders")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "TD700_File scans RS-232, RS-485 and RTU-over-TCP buses as a Modbus RTU master, shows the "
    "recorders' live values, saves them into data files and shows those files as curves. td700 "
    "does the same from the command line; td700-sim simulates recorders for training and tests.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt's own texts (Yes/No, OK/Cancel, the file dialogs) in Korean, and what the maintainer scripts
# use; the libraries' dependencies (libsystemd0 among them) come from the shared-library scan
# and are added to these.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, adduser, libsystemd0")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    "${PROJECT_SOURCE_DIR}/packaging/postinst;${PROJECT_SOURCE_DIR}/packaging/postrm")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion, shared-mime-info, desktop-file-utils")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
include(CPack)
