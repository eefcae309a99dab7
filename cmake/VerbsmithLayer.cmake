# One static library per folder of src/. Sources are every .cpp of the folder
# (subfolders included) except the *_test.cpp files, which go into the
# layer's test executable, and the adapters of the other platform
# (VERBSMITH_OTHER_PLATFORM_SOURCES, a regular expression on the path).
function(verbsmith_layer name)
  cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_test\\.cpp$")
  list(FILTER sources EXCLUDE REGEX "${VERBSMITH_OTHER_PLATFORM_SOURCES}")
  if(sources)
    add_library(verbsmith_${name} STATIC ${sources})
    target_include_directories(verbsmith_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(verbsmith_${name} PUBLIC ${ARG_DEPENDS})
  else()
    add_library(verbsmith_${name} INTERFACE)
    target_include_directories(verbsmith_${name} INTERFACE ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(verbsmith_${name} INTERFACE ${ARG_DEPENDS})
  endif()
endfunction()

function(verbsmith_layer_tests)
  foreach(name IN LISTS ARGN)
    file(GLOB_RECURSE tests CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${name}/*_test.cpp)
    list(FILTER tests EXCLUDE REGEX "${VERBSMITH_OTHER_PLATFORM_SOURCES}")
    if(tests)
      add_executable(${name}_tests ${tests})
      target_link_libraries(${name}_tests PRIVATE verbsmith_${name} verbsmith_test_support
                            GTest::gtest_main GTest::gmock)
      gtest_discover_tests(${name}_tests DISCOVERY_TIMEOUT 60
                           PROPERTIES ENVIRONMENT "VERBSMITH_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
    endif()
  endforeach()
endfunction()
