# For the -P scripts that run example sessions: a fresh environment under
# WORK, and the variables the sessions' shell steps read: VERBSMITH (EXE),
# WORK, EXAMPLES (DIR), and WINWORK (windows_work), WORK as the product
# names it.
include(${CMAKE_CURRENT_LIST_DIR}/../../cmake/FreshEnvironment.cmake)
set(ENV{VERBSMITH} ${EXE})
set(ENV{WORK} ${WORK})
set(ENV{EXAMPLES} ${DIR})
string(REPLACE "/" "\\" windows_work "Z:${WORK}")
set(ENV{WINWORK} "${windows_work}")

# Makes the registry entries of a regedit file FILE seen by the session: on
# Linux through VERBSMITH_REGISTRY, under Wine imported into the prefix's
# registry as Windows' reg import does.
function(use_registry file)
  if(NOT WINE_TEMPLATE)
    set(ENV{VERBSMITH_REGISTRY} ${file})
    return()
  endif()
  string(REPLACE "/" "\\" windows_file "Z:${file}")
  execute_process(COMMAND wine reg import ${windows_file} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE out)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "reg import ${file} failed with ${status}\n${out}")
  endif()
endfunction()
