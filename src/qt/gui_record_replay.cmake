# `verbsmith gui --check --record FILE` opens the window offscreen and closes
# it once drawn; `verbsmith run FILE` must print the same transcript.
# Arguments: EXE, WORK (a directory owned by this test).
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/FreshEnvironment.cmake)
set(ENV{QT_QPA_PLATFORM} offscreen)

execute_process(COMMAND ${EXE} gui --check --record ${WORK}/session.script
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE window ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "verbsmith gui --check exited with ${status}\n${window}\n${errors}")
endif()
execute_process(COMMAND ${EXE} run ${WORK}/session.script
                WORKING_DIRECTORY ${WORK} OUTPUT_VARIABLE replay ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "verbsmith run of the recording exited with ${status}\n${errors}")
endif()
if(NOT window MATCHES "form shown frmVerbsmith" OR NOT window STREQUAL replay)
  message(FATAL_ERROR "the window printed:\n${window}\nits replay printed:\n${replay}")
endif()
