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

# velor_add_test(NAME source... [RESOURCE_LOCK lock]): one GoogleTest program
# linked against the system's library; its cases are registered with CTest
# one by one. Cases that share a lock (e.g. the product's own registry keys)
# never run at the same time.
function(velor_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "RESOURCE_LOCK" "")
  add_executable(${name} ${arg_UNPARSED_ARGUMENTS})
  target_link_libraries(${name} PRIVATE velor_core GTest::gmock GTest::gtest_main)
  set(lock)
  if(arg_RESOURCE_LOCK)
    set(lock RESOURCE_LOCK ${arg_RESOURCE_LOCK})
  endif()
  if(VELOR_TESTS_RUNNABLE)
    gtest_discover_tests(${name}
      DISCOVERY_MODE PRE_TEST
      DISCOVERY_TIMEOUT 60
      PROPERTIES ENVIRONMENT "LC_ALL=cs_CZ.UTF-8;VELOR_ACP=1250;${VELOR_TEST_ENVIRONMENT}"
                 TIMEOUT 120 ${lock})
  endif()
endfunction()
