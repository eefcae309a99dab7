# `verbsmith new` against the scripted wizard: for each example session NAME
# with answers NAME.answers.json, `verbsmith new` on the answers leaves the
# same files, byte for byte, as `verbsmith run NAME.script` (the project,
# and what NAME.after.sh writes: the command-set entry, the file lists); and
# a refusal is the wizard's own message with the step's exit status.
# Arguments: EXE, DIR (the examples directory), WORK.
# "@WORK@" below is literal text, not a variable reference.
cmake_policy(SET CMP0053 NEW)
set(sessions flow_create_modeless flow_edit flow_add_vb flow_delete)

# verbsmith(STATUS ARGS... [INPUT_FILE FILE]): runs verbsmith ARGS in WORK,
# FILE on its standard input, and expects STATUS.
function(verbsmith expected_status)
  cmake_parse_arguments(PARSE_ARGV 1 run "" INPUT_FILE "")
  set(input)
  if(run_INPUT_FILE)
    set(input INPUT_FILE ${run_INPUT_FILE})
  endif()
  execute_process(COMMAND ${EXE} ${run_UNPARSED_ARGUMENTS} WORKING_DIRECTORY ${WORK} ${input}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "verbsmith ${ARGN} exited with ${status}, not ${expected_status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

function(run_step name step)
  if(EXISTS ${DIR}/${name}.${step}.sh)
    execute_process(COMMAND bash ${DIR}/${name}.${step}.sh WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${name}.${step}.sh failed with ${status}")
    endif()
  endif()
endfunction()

# A fresh WORK set up for the session NAME, with the settings of its
# NAME.env.
# Fails with WHY when the command set lists any command of the company.
function(expect_nothing_registered why)
  verbsmith(0 commands list --company Valdren --application Carthex)
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "${why}:\n${out}")
  endif()
endfunction()

function(set_up name)
  include(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/support/session_environment.cmake)
  if(EXISTS ${DIR}/${name}.env)
    file(STRINGS ${DIR}/${name}.env settings REGEX "^[A-Za-z_][A-Za-z0-9_]*=")
    foreach(setting IN LISTS settings)
      string(REGEX REPLACE "=.*" "" variable "${setting}")
      string(REGEX REPLACE "^[^=]*=" "" value "${setting}")
      string(REPLACE "@WORK@" "${WORK}" value "${value}")
      set(ENV{${variable}} "${value}")
    endforeach()
  endif()
  run_step(${name} setup)
  if(EXISTS ${WORK}/registry.reg)
    use_registry(${WORK}/registry.reg)
  endif()
  set(windows_work "${windows_work}" PARENT_SCOPE)
endfunction()

# Writes FILE: the answers of EXAMPLE with KEY set to VALUE (JSON text).
function(answers_with example key value file)
  file(READ ${DIR}/${example}.answers.json answers)
  string(JSON answers SET "${answers}" "${key}" "${value}")
  file(WRITE ${file} "${answers}")
endfunction()

# Moves what the session left in WORK (all but the private environment and
# the session's script) to INTO, after the session's after-step.
function(keep_result name into)
  run_step(${name} after)
  file(GLOB left RELATIVE ${WORK} ${WORK}/*)
  list(REMOVE_ITEM left home config data wine session.script)
  file(MAKE_DIRECTORY ${into})
  foreach(item IN LISTS left)
    file(RENAME ${WORK}/${item} ${into}/${item})
  endforeach()
endfunction()

foreach(name IN LISTS sessions)
  set(scripted ${WORK}/../new_check_scripted)
  set(answered ${WORK}/../new_check_answered)
  file(REMOVE_RECURSE ${scripted} ${answered})

  set_up(${name})
  file(READ ${DIR}/${name}.script script)
  string(REPLACE "@WORK@" "${windows_work}" script "${script}")
  file(WRITE ${WORK}/session.script "${script}")
  verbsmith(0 run ${WORK}/session.script)
  keep_result(${name} ${scripted})

  set_up(${name})
  # The answers on standard input; what was made as JSON, the transcript
  # apart on standard error.
  verbsmith(0 new --answers - --json --transcript INPUT_FILE ${DIR}/${name}.answers.json)
  string(JSON purpose GET "${out}" purpose)
  if(purpose STREQUAL "delete")
    string(JSON message GET "${out}" deleted)
  else()
    string(JSON message GET "${out}" messages 0)
  endif()
  if(NOT message MATCHES "^(The command was (added to|updated in) the command set\\.|Buffer$)"
     OR message MATCHES "open the project" OR NOT err MATCHES "end of run")
    message(FATAL_ERROR "verbsmith new on ${name}.answers.json says no more than:\n${out}\n${err}")
  endif()
  if(purpose STREQUAL "create")
    string(JSON class GET "${out}" files "command class")
    string(JSON directory GET "${out}" projectDirectory)
    # Under Wine the host names them in Windows form.
    foreach(path IN ITEMS class directory)
      string(REGEX REPLACE "^Z:" "" ${path} "${${path}}")
      string(REPLACE "\\" "/" ${path} "${${path}}")
    endforeach()
    if(NOT EXISTS "${class}" OR NOT EXISTS "${directory}/src")
      message(FATAL_ERROR "${name}: what was made is not where the summary says:\n${out}")
    endif()
  endif()
  keep_result(${name} ${answered})
  # A create also writes what compiling the project would register.
  if(name STREQUAL "flow_create_modeless")
    if(NOT EXISTS ${answered}/Atlas/bin/Atlas.reg)
      message(FATAL_ERROR "${name}: verbsmith new wrote no registration of the command")
    endif()
    file(REMOVE ${answered}/Atlas/bin/Atlas.reg)
    file(READ ${answered}/files.txt listed)
    string(REPLACE "Atlas.reg\n" "" listed "${listed}")
    file(WRITE ${answered}/files.txt "${listed}")
  endif()

  file(GLOB_RECURSE scripted_files RELATIVE ${scripted} ${scripted}/*)
  file(GLOB_RECURSE answered_files RELATIVE ${answered} ${answered}/*)
  if(NOT scripted_files STREQUAL answered_files)
    message(FATAL_ERROR "${name}: the script left ${scripted_files}\nverbsmith new left ${answered_files}")
  endif()
  foreach(relative IN LISTS scripted_files)
    file(READ ${scripted}/${relative} left HEX)
    file(READ ${answered}/${relative} right HEX)
    if(NOT left STREQUAL right)
      message(FATAL_ERROR "${name}: ${relative} differs between the script and verbsmith new (see ${scripted} and ${answered})")
    endif()
  endforeach()
  file(REMOVE_RECURSE ${scripted} ${answered})
endforeach()

set_up(flow_create_modeless)
# The command-name step refuses a name that is not an identifier; nothing
# is registered.
verbsmith(5 new --answers ${DIR}/flow_create_modeless.answers.json --command-name "Pick it")
if(NOT err MATCHES "^verbsmith new: on the command-name step \\(answers \"command name\", [^\n]+: [^\n]+\n$")
  message(FATAL_ERROR "the refusal is not one message of the wizard on its step:\n${err}")
endif()
expect_nothing_registered("a refused run registered a command")

# The project step refuses a project that exists.
file(WRITE ${WORK}/Atlas/src/Atlas.vbp "")
verbsmith(4 new --answers ${DIR}/flow_create_modeless.answers.json)
if(NOT err MATCHES "^verbsmith new: on the project step [^\n]*: The project already exists\\.")
  message(FATAL_ERROR "the project step's refusal is not the wizard's message:\n${err}")
endif()

# A command name that reads as a number names a command, never a place in
# the list: nothing is deleted.
set_up(flow_delete)
# The refusal lists the commands that are registered.
verbsmith(5 new --answers ${DIR}/flow_delete.answers.json --command-name 0)
if(NOT err MATCHES "answer \"command name\": \"0\" is not a registered command; [^\n]*: Buffer \\(Roads\\.Buffer\\), Beta \\(Other\\.Beta\\)")
  message(FATAL_ERROR "a name that is not registered is refused without the registered ones:\n${err}")
endif()
verbsmith(0 commands list --company Valdren --application Carthex)
if(NOT out MATCHES "Roads\\.Buffer.*Other\\.Beta")
  message(FATAL_ERROR "a command was deleted by its place in the list:\n${out}")
endif()

# An entry's bounds hold for `new` as for `commands add`: a description of
# 300 characters is refused on its step, a bitmap path of more than 255
# characters at Finish. Nothing is registered.
set_up(flow_create_modeless)
string(REPEAT "x" 300 long)
verbsmith(5 new --answers ${DIR}/flow_create_modeless.answers.json --description ${long})
string(REPEAT "d" 240 deep)
file(MAKE_DIRECTORY ${WORK}/${deep})
file(COPY ${WORK}/art/CompassLC.bmp DESTINATION ${WORK}/${deep})
answers_with(flow_create_modeless "large colour bitmap" "\"${deep}\\\\CompassLC.bmp\"" ${WORK}/long.json)
verbsmith(8 new --answers ${WORK}/long.json)
if(NOT err MATCHES "longer than 255 characters")
  message(FATAL_ERROR "a bitmap path past the bound is not refused as such:\n${err}")
endif()
expect_nothing_registered("an entry past the bounds was registered")

# A control character in an answer reaches the terminal spelled out: in the
# transcript's recap and in the plan's lines. (No bracket in the text: a
# CMake list would not split there.)
set_up(flow_create_modeless)
string(ASCII 27 escape)
verbsmith(0 new --answers ${DIR}/flow_create_modeless.answers.json --description "Picks${escape}0m"
          --transcript --dry-run)
string(FIND "${out}" "${escape}" raw)
if(NOT raw EQUAL -1 OR NOT out MATCHES "recap: [^\n]*Picks\\\\x1B0m" OR NOT out MATCHES "\nini [^\n]*Picks\\\\x1B0m")
  message(FATAL_ERROR "a control character reached the terminal raw:\n${out}")
endif()

# A check-box answer is the box's state, not a click: whatever the box held
# (the new-views box of a create starts checked; an edit starts with the
# command's own conditions), the entry ends as answered.
function(expect_masks answers_file prog_id listener enabling)
  verbsmith(0 new --answers ${answers_file})
  verbsmith(0 commands show ${prog_id} --company Valdren --application Carthex --json)
  string(JSON got_listener GET "${out}" listenerMask)
  string(JSON got_enabling GET "${out}" enableMask)
  if(NOT got_listener EQUAL listener OR NOT got_enabling EQUAL enabling)
    message(FATAL_ERROR "${answers_file}: listener mask ${got_listener}, enabling mask ${got_enabling}; "
                        "answered ${listener} and ${enabling}")
  endif()
endfunction()
foreach(views true false)
  set_up(flow_create_modeless)
  answers_with(flow_create_modeless "tell me about new views" ${views} ${WORK}/views.json)
  if(views)
    expect_masks(${WORK}/views.json Atlas.Pick 18 65536)
  else()
    expect_masks(${WORK}/views.json Atlas.Pick 2 65536)
  endif()
endforeach()
# Buffer is registered with "Data view is active" (2) alone.
foreach(case "\"Select set count is one\"=262144" "\"Data view is active\"=2" "=0")
  string(REGEX REPLACE "=.*" "" conditions "${case}")
  string(REGEX REPLACE ".*=" "" mask "${case}")
  set_up(flow_edit)
  answers_with(flow_edit "enabling conditions" "[${conditions}]" ${WORK}/conditions.json)
  expect_masks(${WORK}/conditions.json Roads.Buffer 0 ${mask})
endforeach()
# A message that names a file keeps its backslashes: the "\n" of
# "art\new.bmp" is no line break. The run is refused on the bitmap step.
set_up(flow_create_modeless)
file(WRITE ${WORK}/art/new.bmp "BM")
answers_with(flow_create_modeless "large colour bitmap" "\"art\\\\new.bmp\"" ${WORK}/new.json)
verbsmith(6 new --answers ${WORK}/new.json)
if(NOT err MATCHES "art\\\\new\\.bmp")
  message(FATAL_ERROR "a backslash in the wizard's message became a line break:\n${err}")
endif()

# The answers file's mistakes, each named: where a syntax error is, a key
# given twice, a NUL in a text, and the answer a mistyped key meant. Nothing
# runs.
set_up(flow_create_modeless)
foreach(case "{\n  \"purpose\": \"create\",\n  \"company\" \"Valdren\"\n}|line 3, column"
             "{\"purpose\": \"create\", \"purpose\": \"edit\"}|\"purpose\" is given twice"
             "{\"company\": \"Val\\u0000dren\"}|\"company\" holds a NUL character"
             "{\"compnay\": \"Valdren\"}|did you mean \"company\"")
  string(REGEX REPLACE "\\|.*" "" text "${case}")
  string(REGEX REPLACE ".*\\|" "" expected "${case}")
  file(WRITE ${WORK}/mistake.json "${text}")
  verbsmith(2 new --answers mistake.json)
  string(FIND "${err}" "${expected}" found)
  if(found EQUAL -1 OR NOT err MATCHES "^verbsmith new: ")
    message(FATAL_ERROR "the mistake in ${text} is not named (${expected}):\n${err}")
  endif()
endforeach()

# Every refusal of the run reaches standard error, in order, on its step and
# with its answer: an edit of a command whose class is not registered is
# refused for the registration first.
set_up(flow_create_modeless)
verbsmith(0 new --answers ${DIR}/flow_create_modeless.answers.json)
file(WRITE ${WORK}/edit.json "{\"purpose\": \"edit\", \"command name\": \"Pick\", \"description\": \"Picks\"}")
verbsmith(5 new --answers edit.json)
if(NOT err MATCHES "^verbsmith new: on the command-name step, answer \"command name\": Cannot open registry ProgID\\.[^\n]*\nverbsmith new: on the command-name step, answer \"command name\": Choose a Command Name\\.\n$")
  message(FATAL_ERROR "the refusals of an edit are not all said:\n${err}")
endif()
# The round trip of docs/new.md: the registration `new` wrote beside the
# project, read as registry, lets the edit find the project; then the
# command is deleted.
use_registry(${WORK}/Atlas/bin/Atlas.reg)
verbsmith(0 new --answers edit.json)
file(READ ${WORK}/Atlas/bin/Pick.ini ini)
if(NOT ini MATCHES "Description=Picks\r?\n")
  message(FATAL_ERROR "the edit after a create did not reach the project:\n${ini}")
endif()
verbsmith(0 new --purpose delete --command-name Pick)
expect_nothing_registered("the round trip left its command registered")

# A dry run names every required answer left out at once, and makes
# nothing.
set_up(flow_create_modeless)
verbsmith(5 new --dry-run --project-name Atlas)
if(NOT err MATCHES "no answer for \"command name\", \"description\", \"tool tip\", which are required")
  message(FATAL_ERROR "a dry run does not name every missing answer:\n${err}")
endif()
expect_nothing_registered("a dry run registered a command")

# A bitmap answer takes the host's form of a path as well as the product's:
# absolute, and relative with the host's separator. (Under Wine the host's
# form is the product's.)
if(WINE_TEMPLATE)
  return()
endif()
set_up(flow_create_modeless)
answers_with(flow_create_modeless "large colour bitmap" "\"${WORK}/art/CompassLC.bmp\"" ${WORK}/host.json)
file(READ ${WORK}/host.json answers)
string(JSON answers SET "${answers}" "small colour bitmap" "\"art/CompassSC.bmp\"")
file(WRITE ${WORK}/host.json "${answers}")
verbsmith(0 new --answers host.json)
verbsmith(0 commands show Atlas.Pick --company Valdren --application Carthex --json)
string(JSON large GET "${out}" largeColorBitmap)
string(JSON small GET "${out}" smallColorBitmap)
if(NOT large MATCHES "^[A-Z]:\\\\.*\\\\art\\\\CompassLC\\.bmp$" OR NOT small MATCHES "^[A-Z]:\\\\.*\\\\art\\\\CompassSC\\.bmp$")
  message(FATAL_ERROR "host paths of bitmaps were not read as the files they name: ${large}, ${small}")
endif()
