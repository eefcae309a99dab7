# Runs one example session and compares what it shows and leaves with what is
# expected. Arguments: EXE, NAME, DIR (the examples directory), WORK (a
# directory owned by this example).
#
# An example is DIR/NAME.script with its expected transcript
# DIR/NAME.transcript, and optionally:
#   DIR/NAME.setup.sh   run first, in WORK, with VERBSMITH (the program),
#                       EXAMPLES (DIR), WORK and WINWORK (WORK as the product
#                       names it) in its environment: makes the files,
#                       command-set entries and so on the session starts from
#   DIR/NAME.reg        registry entries the session sees (a regedit file); a
#                       setup may write WORK/registry.reg instead
#   DIR/NAME.env        KEY=VALUE lines set in the session's environment
#   DIR/NAME.args       options for `verbsmith run` (--dry-run, --json), one a line
#   DIR/NAME.expected/  files the session must leave, compared byte for byte
#                       with the same paths under WORK
#   DIR/NAME.after.sh   run after the session, like the setup; what it writes
#                       under WORK can be compared through NAME.expected/
# In the script, the .reg file and the expected files, @WORK@ stands for WORK
# as the product names it (Z:\...); transcripts and compared files have it put
# back in place of that path, so nothing depends on where the tree is built.
# In the script, @HOSTWORK@ is WORK as the host names it; in the transcript, host paths under WORK read @WORK@ too.
# "@WORK@" below is literal text, not a variable reference.
cmake_policy(SET CMP0053 NEW)
cmake_policy(SET CMP0057 NEW)
include(${CMAKE_CURRENT_LIST_DIR}/support/session_environment.cmake)

function(substituted_copy from to)
  file(READ ${from} text)
  string(REPLACE "@HOSTWORK@" "${WORK}" text "${text}")
  string(REPLACE "@WORK@" "${windows_work}" text "${text}")
  file(WRITE ${to} "${text}")
endfunction()

# Runs DIR/NAME.<step>.sh in WORK, when the example has one.
function(run_step step)
  if(EXISTS ${DIR}/${NAME}.${step}.sh)
    execute_process(COMMAND bash ${DIR}/${NAME}.${step}.sh WORKING_DIRECTORY ${WORK}
                    RESULT_VARIABLE status ERROR_VARIABLE errors)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${NAME}.${step}.sh failed with ${status}\n${errors}")
    endif()
  endif()
endfunction()

run_step(setup)
if(EXISTS ${DIR}/${NAME}.reg)
  substituted_copy(${DIR}/${NAME}.reg ${WORK}/registry.reg)
endif()
if(EXISTS ${WORK}/registry.reg)
  use_registry(${WORK}/registry.reg)
endif()
# The session's own settings hold for the session only: what runs after it
# sees the environment as it was.
set(session_settings "")
if(EXISTS ${DIR}/${NAME}.env)
  file(STRINGS ${DIR}/${NAME}.env settings)
  foreach(setting IN LISTS settings)
    if(setting MATCHES "^([A-Za-z_][A-Za-z0-9_]*)=(.*)$")
      string(REPLACE "@WORK@" "${WORK}" value "${CMAKE_MATCH_2}")
      list(APPEND session_settings "${CMAKE_MATCH_1}")
      set(saved_${CMAKE_MATCH_1} "$ENV{${CMAKE_MATCH_1}}")
      set(ENV{${CMAKE_MATCH_1}} "${value}")
    endif()
  endforeach()
endif()
# Under Wine the compiler named by VERBSMITH_RC stands for those on PATH: a
# session that empties PATH has none.
if(WINE_TEMPLATE AND "PATH" IN_LIST session_settings AND NOT "VERBSMITH_RC" IN_LIST session_settings)
  unset(ENV{VERBSMITH_RC})
endif()
substituted_copy(${DIR}/${NAME}.script ${WORK}/session.script)

# NAME.args: options for `verbsmith run`, one per line.
set(run_options "")
if(EXISTS ${DIR}/${NAME}.args)
  file(STRINGS ${DIR}/${NAME}.args run_options)
endif()
execute_process(COMMAND ${EXE} run ${run_options} ${WORK}/session.script
                WORKING_DIRECTORY ${WORK}
                OUTPUT_VARIABLE actual
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
foreach(variable IN LISTS session_settings)
  set(ENV{${variable}} "${saved_${variable}}")
endforeach()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "verbsmith run ${NAME}.script exited with ${status}\n${errors}\n${actual}")
endif()
# JSON output writes the directory with its backslashes doubled.
string(REPLACE "\\" "\\\\" json_work "${windows_work}")
string(REPLACE "${json_work}" "@WORK@" actual "${actual}")
string(REPLACE "${windows_work}" "@WORK@" actual "${actual}")
# Messages about the command set name its database by its host path.
string(REPLACE "${WORK}" "@WORK@" actual "${actual}")
file(READ ${DIR}/${NAME}.transcript expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${WORK}/actual.transcript "${actual}")
  message(FATAL_ERROR "transcript differs from ${NAME}.transcript; got ${WORK}/actual.transcript:\n${actual}")
endif()

run_step(after)
if(IS_DIRECTORY ${DIR}/${NAME}.expected)
  file(GLOB_RECURSE expected_files RELATIVE ${DIR}/${NAME}.expected ${DIR}/${NAME}.expected/*)
  foreach(relative IN LISTS expected_files)
    if(NOT EXISTS ${WORK}/${relative})
      message(FATAL_ERROR "${NAME}: expected file ${relative} was not written")
    endif()
    file(READ ${WORK}/${relative} left HEX)
    file(READ ${DIR}/${NAME}.expected/${relative} right HEX)
    # Compared as hex so that line ends and other bytes count; the work
    # directory's name is put back first.
    # JSON writes the directory with its backslashes doubled.
    string(REPLACE "\\" "\\\\" json_work "${windows_work}")
    string(HEX "${json_work}" json_work_hex)
    string(HEX "${windows_work}" work_hex)
    string(HEX "@WORK@" placeholder_hex)
    string(REPLACE "${json_work_hex}" "${placeholder_hex}" left "${left}")
    string(REPLACE "${work_hex}" "${placeholder_hex}" left "${left}")
    if(NOT left STREQUAL right)
      message(FATAL_ERROR "${NAME}: ${relative} differs from ${NAME}.expected/${relative}")
    endif()
  endforeach()
endif()
