# Runs one example script and compares its transcript with the expected one.
# Arguments: EXE, SCRIPT, EXPECTED, WORK (a directory owned by this example).
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/home ${WORK}/config ${WORK}/data ${WORK}/wine)
set(ENV{HOME} ${WORK}/home)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_DATA_HOME} ${WORK}/data)
set(ENV{WINEPREFIX} ${WORK}/wine)
set(ENV{VERBSMITH_COMMAND_SET} ${WORK}/data/commandset.db)
unset(ENV{VERBSMITH_IDE_COMMAND})
unset(ENV{VERBSMITH_REGISTRY})

execute_process(COMMAND ${EXE} run ${SCRIPT}
                WORKING_DIRECTORY ${WORK}
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "verbsmith run ${SCRIPT} exited with ${status}\n${errors}")
endif()
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.transcript "${actual}")
  message(FATAL_ERROR "transcript differs from ${EXPECTED}; got ${WORK}/actual.transcript:\n${actual}")
endif()
