# Desktop integration, udev rule, man page and the Debian package.
install(FILES packaging/vexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/vexa.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# Man pages carry the project version (configure_file) and are installed
# compressed, as Debian packages carry them.
configure_file(packaging/vexa-cli.1.in ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1 @ONLY)
add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1.gz
  COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1 > ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1.gz
  DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1 VERBATIM)
add_custom_target(vexa_manpage ALL DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/vexa-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/udev/70-vexa-keyboard.rules)
  install(FILES data/udev/70-vexa-keyboard.rules DESTINATION lib/udev/rules.d)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vexa)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "VEXA developers <vexa@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Key template editor for programmable point-of-sale keyboards")
set(CPACK_PACKAGE_DESCRIPTION "VEXA edits the key definitions of the PX and DV series programmable\nkeyboards, saves template files and text template files, and writes templates\ninto the keyboard over USB or PS/2 or reads them back. Includes vexa-cli.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "udev")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/postinst")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
