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
