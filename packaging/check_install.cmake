# An installed tree works wherever it is moved and from any directory:
# `cmake --install` into a prefix, the prefix renamed, then verbsmith run
# from elsewhere finds its templates, samples and help there.
# Arguments: BUILD (the build tree), WORK (a directory owned by this test).
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/FreshEnvironment.cmake)
unset(ENV{VERBSMITH_TEMPLATES})

execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${WORK}/prefix --component tool
                OUTPUT_QUIET RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install exited with ${status}")
endif()
file(RENAME ${WORK}/prefix ${WORK}/moved)
file(MAKE_DIRECTORY ${WORK}/elsewhere)

function(verbsmith)
  execute_process(COMMAND ${WORK}/moved/bin/verbsmith ${ARGN} WORKING_DIRECTORY ${WORK}/elsewhere
                  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "verbsmith ${ARGN} exited with ${status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

verbsmith(info)
set(addin ${WORK}/moved/share/carthex-verbsmith/addin)
if(NOT out MATCHES "Own files: +installed tree \\(${addin}\\)" OR out MATCHES "\\(missing\\)")
  message(FATAL_ERROR "verbsmith info does not show the moved tree with all its files:\n${out}")
endif()
verbsmith(templates check)
verbsmith(demo)
if(NOT EXISTS ${WORK}/elsewhere/verbsmith-demo/src)
  message(FATAL_ERROR "verbsmith demo made no project in the current directory:\n${out}")
endif()
