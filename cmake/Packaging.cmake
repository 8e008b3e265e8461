# Desktop integration, udev rule, polkit action, man pages, copyright, changelog and the Debian package.
install(FILES packaging/vexa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES packaging/vexa.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# The man pages and the changelog carry the project version (configure_file)
# and are installed compressed, as Debian packages carry them; gzip -n keeps
# the package reproducible.
function(vexa_compressed_file source name destination)
  configure_file(${source} ${CMAKE_CURRENT_BINARY_DIR}/${name} @ONLY)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/${name} > ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${name} VERBATIM)
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz DESTINATION ${destination})
  set_property(GLOBAL APPEND PROPERTY VEXA_COMPRESSED_FILES ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
endfunction()
vexa_compressed_file(packaging/vexa-cli.1.in vexa-cli.1 ${CMAKE_INSTALL_MANDIR}/man1)
if(VEXA_GUI)
  vexa_compressed_file(packaging/vexa.1.in vexa.1 ${CMAKE_INSTALL_MANDIR}/man1)
endif()
# A native package: its changelog is changelog.gz, beside the copyright file.
vexa_compressed_file(packaging/changelog.in changelog ${CMAKE_INSTALL_DOCDIR})
get_property(VEXA_COMPRESSED_FILES GLOBAL PROPERTY VEXA_COMPRESSED_FILES)
add_custom_target(vexa_compressed_files ALL DEPENDS ${VEXA_COMPRESSED_FILES})
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
if(EXISTS ${PROJECT_SOURCE_DIR}/data/udev/70-vexa-keyboard.rules)
  install(FILES data/udev/70-vexa-keyboard.rules DESTINATION lib/udev/rules.d)
endif()
# The PS/2 port's privileged helper (installed with vexa-serio-helper, see
# src/CMakeLists.txt) may be run through pkexec with an administrator's
# password; polkit reads actions from /usr/share only.
install(FILES packaging/org.vexaeditor.vexa.serio.policy DESTINATION ${CMAKE_INSTALL_DATADIR}/polkit-1/actions)

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
# pkexec lets a user hand the PS/2 keyboard port over without running VEXA as root;
# with qt6-wayland the editor is a native client of a Wayland desktop (without
# it Qt falls back to XWayland).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pkexec, qt6-wayland")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA "${PROJECT_SOURCE_DIR}/packaging/postinst")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
