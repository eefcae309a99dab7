# Debian packages (cpack -G DEB): carthex-verbsmith holds the headless tool
# and the product's files; carthex-verbsmith-gui the window, its desktop
# entry and icons, so that the tool alone never pulls in Qt. Dependencies on
# libraries come from the binaries (dpkg-shlibdeps).
set(CPACK_PACKAGE_NAME carthex-verbsmith)
set(CPACK_PACKAGE_VENDOR Carthex)
set(CPACK_PACKAGE_CONTACT "Carthex Verbsmith maintainers <verbsmith@carthex.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://carthex.example/verbsmith)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)

set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_ENABLE_COMPONENT_DEPENDS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)

set(CPACK_COMPONENTS_ALL tool)
set(CPACK_COMPONENT_TOOL_DISPLAY_NAME "Carthex Verbsmith")
set(CPACK_DEBIAN_TOOL_PACKAGE_NAME carthex-verbsmith)
# The resource compiler for the toolbar bitmaps is found on the PATH.
set(CPACK_DEBIAN_TOOL_PACKAGE_RECOMMENDS "llvm | binutils-mingw-w64-i686")
set(CPACK_COMPONENT_TOOL_DESCRIPTION
    "wizard for Carthex command projects
Verbsmith creates and maintains Carthex command projects: Visual Basic 6
ActiveX DLL projects that the Carthex GIS application loads from its
command set. It registers the command in the command set, writes the
project's sources from its templates, compiles the toolbar bitmaps into a
resource and writes a recap and an initialisation file.

This package holds the headless tool, verbsmith, with its templates,
samples and help. The window is in carthex-verbsmith-gui.")

if(TARGET verbsmith-gui)
  list(APPEND CPACK_COMPONENTS_ALL window)
  set(CPACK_COMPONENT_WINDOW_DISPLAY_NAME "Carthex Verbsmith window")
  set(CPACK_COMPONENT_WINDOW_DEPENDS tool)
  set(CPACK_DEBIAN_WINDOW_PACKAGE_NAME carthex-verbsmith-gui)
  set(CPACK_DEBIAN_WINDOW_PACKAGE_RECOMMENDS fonts-liberation2)
  set(CPACK_COMPONENT_WINDOW_DESCRIPTION
      "wizard for Carthex command projects - window
Verbsmith creates and maintains Carthex command projects: Visual Basic 6
ActiveX DLL projects that the Carthex GIS application loads from its
command set.

This package holds the wizard's window (Qt 6), verbsmith-gui, which
verbsmith gui opens, with its desktop entry and icon.")
endif()

include(CPack)
