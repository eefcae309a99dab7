# Runs one example script and compares its transcript with the expected one.
# Arguments: EXE, SCRIPT, EXPECTED, WORK (a directory owned by this example).
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/FreshEnvironment.cmake)

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
