# What `cmake --install` puts under the prefix: the two programs, the English message file,
# the user guide, and the desktop integration (application entry, icon, MIME types).
include(GNUInstallDirs)
set(AVEROZ_DATA_DIR ${CMAKE_INSTALL_DATADIR}/averoz)

install(TARGETS averoz-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET averoz)
  install(TARGETS averoz RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/share/English.INI DESTINATION ${AVEROZ_DATA_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/share/help/ DESTINATION ${AVEROZ_DATA_DIR}/help)
install(FILES ${CMAKE_SOURCE_DIR}/share/desktop/averoz.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/share/desktop/averoz.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/share/desktop/averoz.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)

# Refresh the desktop's caches of the prefix, so a file manager knows the types at once; a
# staged install (DESTDIR, packaging) leaves that to the package's own triggers.
install(CODE "set(averoz_share \"${CMAKE_INSTALL_DATADIR}\")")
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/${averoz_share}")
    find_program(averoz_update_mime update-mime-database)
    find_program(averoz_update_desktop update-desktop-database)
    if(averoz_update_mime)
      execute_process(COMMAND ${averoz_update_mime} "${share}/mime")
    endif()
    if(averoz_update_desktop)
      execute_process(COMMAND ${averoz_update_desktop} "${share}/applications")
    endif()
  endif()
]])

# The guide beside the programs of the build tree, where the editor run from there finds it.
add_custom_target(averoz_help ALL
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/share/help ${CMAKE_BINARY_DIR}/help
  COMMENT "Copying the user guide")

# Installs into a temporary prefix and checks the desktop entry and the MIME mapping.
add_test(NAME install_desktop
         COMMAND sh ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR})
set_tests_properties(install_desktop PROPERTIES TIMEOUT 120 SKIP_RETURN_CODE 77)
