# Install rules. The layout under the prefix:
#   bin/verbsmith                       the headless tool (component tool)
#   bin/verbsmith-gui                   the window's program (component window)
#   share/carthex-verbsmith/addin/      Templates, Samples (the demo's answers
#                                       and bitmaps), help: what the add-in
#                                       keeps beside its module
#   share/carthex-verbsmith/resdlls/0009/   the help file and its pages, where
#                                       the add-in looks for them (../resdlls)
#   share/man/man1, share/bash-completion/completions, share/doc/<package>
#   share/applications, share/icons/hicolor   (component window)
# verbsmith finds its files from its own location, so the tree can be moved.
include(GNUInstallDirs)
# Directories as packages want them, whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

set(verbsmith_addin ${CMAKE_INSTALL_DATADIR}/carthex-verbsmith/addin)
set(verbsmith_packaging ${PROJECT_SOURCE_DIR}/packaging)

install(TARGETS verbsmith RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tool)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/templates/ DESTINATION ${verbsmith_addin}/Templates COMPONENT tool)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/demo/ ${PROJECT_SOURCE_DIR}/examples/bitmaps/
        DESTINATION ${verbsmith_addin}/Samples COMPONENT tool)
install(DIRECTORY ${PROJECT_BINARY_DIR}/bin/help/ DESTINATION ${verbsmith_addin}/help COMPONENT tool)
install(DIRECTORY ${PROJECT_BINARY_DIR}/resdlls/ DESTINATION ${CMAKE_INSTALL_DATADIR}/carthex-verbsmith/resdlls
        COMPONENT tool)

# Debian wants manual pages and changelogs compressed, without a time stamp.
find_program(VERBSMITH_GZIP gzip REQUIRED)
configure_file(${verbsmith_packaging}/changelog.in ${PROJECT_BINARY_DIR}/packaging/changelog @ONLY)
set(verbsmith_compressed ${PROJECT_BINARY_DIR}/packaging/verbsmith.1.gz
    ${PROJECT_BINARY_DIR}/packaging/verbsmith-gui.1.gz ${PROJECT_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${verbsmith_compressed}
  COMMAND ${VERBSMITH_GZIP} -9nc ${verbsmith_packaging}/verbsmith.1 > ${PROJECT_BINARY_DIR}/packaging/verbsmith.1.gz
  COMMAND ${VERBSMITH_GZIP} -9nc ${verbsmith_packaging}/verbsmith-gui.1 > ${PROJECT_BINARY_DIR}/packaging/verbsmith-gui.1.gz
  COMMAND ${VERBSMITH_GZIP} -9nc ${PROJECT_BINARY_DIR}/packaging/changelog > ${PROJECT_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${verbsmith_packaging}/verbsmith.1 ${verbsmith_packaging}/verbsmith-gui.1 ${PROJECT_BINARY_DIR}/packaging/changelog)
add_custom_target(verbsmith_packaging_files ALL DEPENDS ${verbsmith_compressed})
# The tests install the tree that verbsmith is built into.
add_dependencies(verbsmith verbsmith_packaging_files)

install(FILES ${PROJECT_BINARY_DIR}/packaging/verbsmith.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tool)
install(FILES ${verbsmith_packaging}/verbsmith.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME verbsmith COMPONENT tool)
install(FILES ${verbsmith_packaging}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/carthex-verbsmith COMPONENT tool)

if(TARGET verbsmith-gui)
  install(TARGETS verbsmith-gui RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT window)
  install(FILES ${PROJECT_BINARY_DIR}/packaging/verbsmith-gui.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
          COMPONENT window)
  install(FILES ${verbsmith_packaging}/carthex-verbsmith.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
          COMPONENT window)
  install(FILES ${verbsmith_packaging}/icons/carthex-verbsmith.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT window)
  file(GLOB icon_sizes RELATIVE ${verbsmith_packaging}/icons ${verbsmith_packaging}/icons/*/carthex-verbsmith.png)
  foreach(icon IN LISTS icon_sizes)
    get_filename_component(size ${icon} DIRECTORY)
    install(FILES ${verbsmith_packaging}/icons/${icon}
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT window)
  endforeach()
  install(FILES ${verbsmith_packaging}/copyright ${PROJECT_BINARY_DIR}/packaging/changelog.gz
          DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/carthex-verbsmith-gui COMPONENT window)
endif()

if(BUILD_TESTING)
  add_test(NAME manual_and_completion_match_help
           COMMAND ${CMAKE_COMMAND} -DEXE=$<TARGET_FILE:verbsmith> -DMANUAL=${verbsmith_packaging}/verbsmith.1
                   -DCOMPLETION=${verbsmith_packaging}/verbsmith.bash-completion
                   -P ${verbsmith_packaging}/check_manual.cmake)
endif()
if(BUILD_TESTING)
  add_test(NAME installed_tree_works_moved
           COMMAND ${CMAKE_COMMAND} -DBUILD=${PROJECT_BINARY_DIR} -DWORK=${PROJECT_BINARY_DIR}/packaging/work/install
                   -P ${verbsmith_packaging}/check_install.cmake)
endif()
