# For the -P scripts that run verbsmith: a home, configuration, data and
# Wine prefix of their own under WORK (made anew), so a run sees nothing of
# the user's.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home ${WORK}/config ${WORK}/data ${WORK}/wine)
set(ENV{HOME} ${WORK}/home)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_DATA_HOME} ${WORK}/data)
set(ENV{XDG_STATE_HOME} ${WORK}/state)
set(ENV{WINEPREFIX} ${WORK}/wine)
set(ENV{VERBSMITH_COMMAND_SET} ${WORK}/data/commandset.db)
unset(ENV{VERBSMITH_IDE_COMMAND})
unset(ENV{VERBSMITH_REGISTRY})
# Under Wine (WINE_TEMPLATE, a booted prefix): a prefix of its own, linked
# from the template but for the registry files, which the run changes; and
# the resource compiler WINE_RESOURCE_COMPILER, as Wine's PATH holds none.
if(WINE_TEMPLATE)
  file(REMOVE_RECURSE ${WORK}/wine)
  execute_process(COMMAND cp -al ${WINE_TEMPLATE} ${WORK}/wine RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "could not copy the Wine prefix ${WINE_TEMPLATE}")
  endif()
  foreach(hive system.reg user.reg userdef.reg)
    file(REMOVE ${WORK}/wine/${hive})
    file(COPY_FILE ${WINE_TEMPLATE}/${hive} ${WORK}/wine/${hive})
  endforeach()
  set(ENV{VERBSMITH_RC} ${WINE_RESOURCE_COMPILER})
  set(ENV{WINEDEBUG} -all)
  set(ENV{WINEDLLOVERRIDES} "mscoree,mshtml,winemenubuilder.exe=")
  unset(ENV{DISPLAY})
  unset(ENV{WAYLAND_DISPLAY})
endif()
