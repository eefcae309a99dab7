# The main job out of the box: `verbsmith demo` makes a project whose
# resource holds the four bitmaps, refuses to make it twice, and
# `verbsmith demo --edit` changes it. Arguments: EXE, WORK.
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/FreshEnvironment.cmake)

function(demo expected_status)
  execute_process(COMMAND ${EXE} demo ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "verbsmith demo ${ARGN} exited with ${status}, not ${expected_status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
  set(err "${err}" PARENT_SCOPE)
endfunction()

demo(0 ${WORK}/demo)
find_program(READOBJ NAMES llvm-readobj llvm-readobj-14 REQUIRED)
execute_process(COMMAND ${READOBJ} --coff-resources ${WORK}/demo/src/Compass.res OUTPUT_VARIABLE resources)
string(REGEX MATCHALL "Resource name \\(string\\): COMPASSDEMO\\.COMPASS\\.(LC|LM|SC|SM)" bitmaps "${resources}")
list(LENGTH bitmaps count)
if(NOT count EQUAL 4)
  message(FATAL_ERROR "the demo's resource holds ${count} of the four bitmaps:\n${resources}")
endif()

demo(1 ${WORK}/demo)
demo(0 --edit ${WORK}/demo)
file(READ ${WORK}/demo/bin/Compass.ini ini)
if(NOT ini MATCHES "Description=Shows a compass rose over every map view")
  message(FATAL_ERROR "the edit did not reach the initialisation file:\n${ini}")
endif()

# A Finish that fails (the command set's path is a directory) fails the
# demo: it lists no project and leaves nothing behind.
file(MAKE_DIRECTORY ${WORK}/blocked)
set(ENV{VERBSMITH_COMMAND_SET} ${WORK}/blocked)
demo(1 ${WORK}/failed/demo)
if(out MATCHES "The demo command project" OR EXISTS ${WORK}/failed)
  message(FATAL_ERROR "a demo whose Finish failed says or leaves a project:\n${out}")
endif()

# --db names the command set; the summary alone (no transcript unless asked
# for) says how to see and remove the entry there, and the way it gives
# removes it.
set(db ${WORK}/own.db)
demo(0 --db ${db} ${WORK}/db-demo)
set(remove "verbsmith commands remove CompassDemo.Compass --company Valdren --application Carthex --db ${db}")
string(FIND "${out}" "${remove}" said)
if(NOT EXISTS ${db} OR said EQUAL -1 OR out MATCHES "form shown")
  message(FATAL_ERROR "the demo on its own command set says:\n${out}")
endif()
demo(0 --edit --transcript --json --db ${db} ${WORK}/db-demo)
string(JSON edited GET "${out}" edited)
string(JSON removal GET "${out}" remove)
if(NOT edited OR NOT removal STREQUAL remove OR NOT err MATCHES "end of run")
  message(FATAL_ERROR "the edit's JSON summary or its transcript on standard error is wrong:\n${out}\n${err}")
endif()
separate_arguments(words UNIX_COMMAND "${removal}")
list(POP_FRONT words)
execute_process(COMMAND ${EXE} ${words} RESULT_VARIABLE status)
execute_process(COMMAND ${EXE} commands list --company Valdren --application Carthex --db ${db}
                OUTPUT_VARIABLE left)
if(NOT status EQUAL 0 OR NOT left STREQUAL "")
  message(FATAL_ERROR "the demo's way to remove its entry left: ${left}")
endif()

# `info` names every place as the user's system does: on Linux no drive
# letters, the current directory as the shell gives it.
if(NOT WINE_TEMPLATE)
  execute_process(COMMAND ${EXE} info --json WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE info)
  string(JSON current GET "${info}" currentDirectory)
  if(NOT current STREQUAL WORK OR info MATCHES "[A-Z]:\\\\")
    message(FATAL_ERROR "info names places in two forms:\n${info}")
  endif()
endif()
