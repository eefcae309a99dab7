# Runs the layer rule on a tree and requires it to fail, printing exactly the
# expected refusals.
execute_process(COMMAND ${CHECKER} ${TREE} RESULT_VARIABLE result OUTPUT_VARIABLE refusals)
file(READ ${EXPECTED} expected)
if(result EQUAL 0 OR NOT refusals STREQUAL expected)
  message(FATAL_ERROR "exit ${result}, refusals:\n${refusals}expected:\n${expected}")
endif()
