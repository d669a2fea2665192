# GoogleTest from Debian's sources, built with this project's compiler, so the
# same sources serve the native build and the mingw cross builds.
set(VELOR_GTEST_SOURCE_DIR "/usr/src/googletest" CACHE PATH "GoogleTest sources")

macro(velor_enable_gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${VELOR_GTEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  include(GoogleTest)
endmacro()

# Whether the test programs of this build can run on this machine: natively
# always, the x86_64 Windows build under Wine, the i686 one not at all.
if(NOT CMAKE_CROSSCOMPILING OR CMAKE_CROSSCOMPILING_EMULATOR)
  set(VELOR_TESTS_RUNNABLE ON)
else()
  set(VELOR_TESTS_RUNNABLE OFF)
endif()

# velor_add_test(NAME source... [RESOURCE_LOCK lock] [ISOLATE pattern...]
#                 [SHARDS n]): one GoogleTest program linked against the
# system's library. Its cases run together in one process (a process per case
# would fill the case table and start Wine again for each); each case that
# matches an ISOLATE pattern (a GoogleTest filter, best a whole suite such as
# "Uptime.*", which stays right when cases are renamed) runs in a process of
# its own, for state that only a fresh process has. SHARDS splits the rest
# into n processes by GoogleTest's own sharding, so that a long program does
# not hold up the run. Tests that share a lock (e.g. the product's own
# registry keys) never run at the same time.
function(velor_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "RESOURCE_LOCK;SHARDS" "ISOLATE")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE velor_core GTest::gmock GTest::gtest_main)
  if(NOT VELOR_TESTS_RUNNABLE)
    return()
  endif()
  set(environment "LC_ALL=cs_CZ.UTF-8;VELOR_ACP=1250;${VELOR_TEST_ENVIRONMENT}")
  set(lock)
  if(arg_RESOURCE_LOCK)
    set(lock RESOURCE_LOCK ${arg_RESOURCE_LOCK})
  endif()

  set(rest "*")
  if(arg_ISOLATE)
    list(JOIN arg_ISOLATE ":" isolated)
    set(rest "*-${isolated}")
    gtest_discover_tests(${name}
      TEST_FILTER ${isolated}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "${environment}" TIMEOUT 120 ${lock})
  endif()

  set(shards 1)
  if(arg_SHARDS)
    set(shards ${arg_SHARDS})
  endif()
  math(EXPR last "${shards} - 1")
  foreach(index RANGE ${last})
    set(test ${name})
    if(shards GREATER 1)
      set(test ${name}.${index})
    endif()
    add_test(NAME ${test} COMMAND ${name} --gtest_filter=${rest})
    set_tests_properties(${test} PROPERTIES
      ENVIRONMENT "${environment};GTEST_TOTAL_SHARDS=${shards};GTEST_SHARD_INDEX=${index}"
      TIMEOUT 600 ${lock})
  endforeach()
endfunction()
