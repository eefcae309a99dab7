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
