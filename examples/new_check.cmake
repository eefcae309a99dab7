# `verbsmith new` against the scripted wizard: the answers of
# flow_create_modeless.answers.json make the same project, byte for byte
# (every file, and the command-set entry), as flow_create_modeless.script;
# and a refusal is the wizard's own message with the step's exit status.
# Arguments: EXE, DIR (the examples directory), WORK.
include(${CMAKE_CURRENT_LIST_DIR}/support/session_environment.cmake)
set(ENV{VERBSMITH_IDE_COMMAND} "bash ${WORK}/ide.sh")

function(verbsmith expected_status)
  execute_process(COMMAND ${EXE} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "verbsmith ${ARGN} exited with ${status}, not ${expected_status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

# What a run leaves: the project, the entry, and what the IDE was given.
function(keep_result into)
  verbsmith(0 commands show Atlas.Pick --company Valdren --application Carthex --json)
  file(WRITE ${WORK}/entry.json "${out}")
  file(MAKE_DIRECTORY ${into})
  file(RENAME ${WORK}/Atlas ${into}/Atlas)
  file(RENAME ${WORK}/entry.json ${into}/entry.json)
  file(RENAME ${WORK}/opened.txt ${into}/opened.txt)
  file(REMOVE ${WORK}/data/commandset.db)
endfunction()

execute_process(COMMAND bash ${DIR}/flow_create_modeless.setup.sh WORKING_DIRECTORY ${WORK})
file(READ ${DIR}/flow_create_modeless.script script)
string(REPLACE "@WORK@" "${windows_work}" script "${script}")
file(WRITE ${WORK}/session.script "${script}")
verbsmith(0 run ${WORK}/session.script)
keep_result(${WORK}/../new_check_scripted)

verbsmith(0 new --answers ${DIR}/flow_create_modeless.answers.json)
if(NOT out MATCHES "^verbsmith new: The command was added to the command set\\.")
  message(FATAL_ERROR "verbsmith new says no more than:\n${out}")
endif()
keep_result(${WORK}/../new_check_answered)

file(GLOB_RECURSE scripted RELATIVE ${WORK}/../new_check_scripted ${WORK}/../new_check_scripted/*)
file(GLOB_RECURSE answered RELATIVE ${WORK}/../new_check_answered ${WORK}/../new_check_answered/*)
if(NOT scripted STREQUAL answered)
  message(FATAL_ERROR "the scripted run made ${scripted}\nverbsmith new made ${answered}")
endif()
foreach(relative IN LISTS scripted)
  file(READ ${WORK}/../new_check_scripted/${relative} left HEX)
  file(READ ${WORK}/../new_check_answered/${relative} right HEX)
  if(NOT left STREQUAL right)
    message(FATAL_ERROR "${relative} differs between the scripted run and verbsmith new")
  endif()
endforeach()
file(REMOVE_RECURSE ${WORK}/../new_check_scripted ${WORK}/../new_check_answered)

# The command-name step refuses a name that is not an identifier; nothing
# is registered.
verbsmith(5 new --answers ${DIR}/flow_create_modeless.answers.json --command-name "Pick it")
if(NOT err MATCHES "^verbsmith new: [^\n]+\n$")
  message(FATAL_ERROR "the refusal is not one message of the wizard:\n${err}")
endif()
verbsmith(0 commands list --company Valdren --application Carthex)
if(NOT out STREQUAL "")
  message(FATAL_ERROR "a refused run registered a command:\n${out}")
endif()

# The project step refuses a project that exists.
file(WRITE ${WORK}/Atlas/src/Atlas.vbp "")
verbsmith(4 new --answers ${DIR}/flow_create_modeless.answers.json)
if(NOT err MATCHES "^verbsmith new: The project already exists\\.")
  message(FATAL_ERROR "the project step's refusal is not the wizard's message:\n${err}")
endif()
