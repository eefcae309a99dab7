# What the Windows build takes from elsewhere, since Debian ships these for
# Linux only: GoogleTest built from its Debian sources, SQLite compiled from
# its public-domain amalgamation (unpacked from an npm package at configure
# time, never kept in the tree), and the header-only libraries through an
# include directory that holds them and nothing else of /usr/include.
enable_language(C)

set(VERBSMITH_SQLITE_PACKAGE "better-sqlite3@12.11.1" CACHE STRING
    "npm package whose deps/sqlite3 holds the SQLite amalgamation")
set(sqlite_dir ${PROJECT_BINARY_DIR}/_deps/sqlite)
if(NOT EXISTS ${sqlite_dir}/package/deps/sqlite3/sqlite3.c)
  file(MAKE_DIRECTORY ${sqlite_dir})
  find_program(NPM npm REQUIRED)
  execute_process(COMMAND ${NPM} pack ${VERBSMITH_SQLITE_PACKAGE} --silent --pack-destination ${sqlite_dir}
                  WORKING_DIRECTORY ${sqlite_dir} OUTPUT_VARIABLE tarball OUTPUT_STRIP_TRAILING_WHITESPACE
                  RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "npm pack ${VERBSMITH_SQLITE_PACKAGE} failed (${status})")
  endif()
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar xzf ${sqlite_dir}/${tarball} WORKING_DIRECTORY ${sqlite_dir})
endif()
add_library(verbsmith_sqlite3 STATIC ${sqlite_dir}/package/deps/sqlite3/sqlite3.c)
target_include_directories(verbsmith_sqlite3 SYSTEM PUBLIC ${sqlite_dir}/package/deps/sqlite3)
target_compile_definitions(verbsmith_sqlite3 PRIVATE SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION)
target_compile_options(verbsmith_sqlite3 PRIVATE -w)
add_library(SQLite::SQLite3 ALIAS verbsmith_sqlite3)

# Header-only libraries from Debian's packages, seen through links so the
# cross compiler never finds a Linux header by accident.
set(headers ${PROJECT_BINARY_DIR}/_deps/headers)
file(MAKE_DIRECTORY ${headers})
foreach(dir CLI nlohmann dtl)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing: run scripts/deps")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${headers}/${dir} SYMBOLIC)
endforeach()
add_library(verbsmith_header_libraries INTERFACE)
target_include_directories(verbsmith_header_libraries SYSTEM INTERFACE ${headers})
add_library(CLI11::CLI11 ALIAS verbsmith_header_libraries)
add_library(nlohmann_json::nlohmann_json ALIAS verbsmith_header_libraries)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
foreach(target gtest gtest_main gmock gmock_main)
  # GoogleTest's own sources are not held to this project's warnings.
  target_compile_options(${target} PRIVATE -w)
  if(NOT TARGET GTest::${target})
    add_library(GTest::${target} ALIAS ${target})
  endif()
endforeach()

# Test executables are listed when ctest runs, under Wine in the prefix the
# test script makes, rather than at build time.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
