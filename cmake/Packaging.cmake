# Desktop integration, udev rule, polkit actions, man pages, copyright, changelog and the Debian package.
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
# polkit reads actions from /usr/share/polkit-1/actions only, udev rules from
# /usr/lib/udev/rules.d, /etc/udev/rules.d and /run. Under the prefix /usr
# (the default, and the package's) both land there; under another prefix they
# land under it, and the install says where they must be copied, unless these
# two name the system's folders (absolute paths are taken as they are).
set(VEXA_POLKIT_ACTIONS_DIR ${CMAKE_INSTALL_DATADIR}/polkit-1/actions CACHE PATH "Where the polkit action of the PS/2 helper is installed")
set(VEXA_UDEV_RULES_DIR lib/udev/rules.d CACHE PATH "Where the keyboard's udev rule is installed")

# The keyboard's udev rule; beside it, not in force, the rule that gives the
# keyboard to a group instead of the user at the seat (README, "Security").
if(EXISTS ${PROJECT_SOURCE_DIR}/data/udev/70-vexa-keyboard.rules)
  install(FILES data/udev/70-vexa-keyboard.rules DESTINATION ${VEXA_UDEV_RULES_DIR})
  install(FILES data/udev/70-vexa-keyboard-group.rules DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)
endif()
# The PS/2 port's privileged helper (installed with vexa-serio-helper, see
# src/CMakeLists.txt) is run through pkexec; its two actions name the helper
# where this build's programs run it from.
configure_file(packaging/org.vexaeditor.vexa.serio.policy.in
               ${CMAKE_CURRENT_BINARY_DIR}/org.vexaeditor.vexa.serio.policy @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/org.vexaeditor.vexa.serio.policy DESTINATION ${VEXA_POLKIT_ACTIONS_DIR})
# Said at the end of every install whose files polkit, udev or the programs
# would not find.
install(CODE "
  set(vexa_built_prefix \"${CMAKE_INSTALL_PREFIX}\")
  set(vexa_polkit_dir \"${VEXA_POLKIT_ACTIONS_DIR}\")
  set(vexa_udev_dir \"${VEXA_UDEV_RULES_DIR}\")
  if(NOT IS_ABSOLUTE \"\${vexa_polkit_dir}\")
    set(vexa_polkit_dir \"\${CMAKE_INSTALL_PREFIX}/\${vexa_polkit_dir}\")
  endif()
  if(NOT IS_ABSOLUTE \"\${vexa_udev_dir}\")
    set(vexa_udev_dir \"\${CMAKE_INSTALL_PREFIX}/\${vexa_udev_dir}\")
  endif()
  if(NOT CMAKE_INSTALL_PREFIX STREQUAL vexa_built_prefix)
    message(WARNING \"VEXA was built for the prefix \${vexa_built_prefix} and runs its PS/2 helper from ${VEXA_SERIO_HELPER_PATH}; installed under \${CMAKE_INSTALL_PREFIX}, PS/2 without root does not work. Configure with -DCMAKE_INSTALL_PREFIX=\${CMAKE_INSTALL_PREFIX} and build again.\")
  endif()
  if(NOT vexa_polkit_dir STREQUAL \"/usr/share/polkit-1/actions\")
    message(WARNING \"polkit reads its actions from /usr/share/polkit-1/actions only: copy \${vexa_polkit_dir}/org.vexaeditor.vexa.serio.policy there, or PS/2 without root does not work.\")
  endif()
  if(NOT vexa_udev_dir MATCHES \"^(/usr/lib|/lib|/etc|/run)/udev/rules.d$\")
    message(WARNING \"udev reads its rules from /etc/udev/rules.d and /usr/lib/udev/rules.d: copy \${vexa_udev_dir}/70-vexa-keyboard.rules to /etc/udev/rules.d/, or only root reaches the keyboard.\")
  endif()
")

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
