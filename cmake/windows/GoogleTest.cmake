# Under Wine every process start costs a good part of a second, so the Windows build runs
# each test binary as one CTest test instead of one process per test case. The tests'
# CMakeLists call gtest_discover_tests as usual; this wrapper gives it that meaning.
include(${CMAKE_ROOT}/Modules/GoogleTest.cmake)

# A whole binary takes longer than one of its cases: never less than this.
set(TANKAI_WINDOWS_TEST_TIMEOUT 300 CACHE STRING "Timeout of one test binary under Wine, s")

function(gtest_discover_tests target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "NO_PRETTY_TYPES;NO_PRETTY_VALUES"
    "WORKING_DIRECTORY;TEST_PREFIX;TEST_SUFFIX;TEST_LIST;DISCOVERY_TIMEOUT;XML_OUTPUT_DIR;DISCOVERY_MODE"
    "EXTRA_ARGS;PROPERTIES;TEST_FILTER")
  if(NOT arg_WORKING_DIRECTORY)
    set(arg_WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  set(name ${arg_TEST_PREFIX}${target}${arg_TEST_SUFFIX})
  set(filter "*")
  if(arg_TEST_FILTER)
    set(filter ${arg_TEST_FILTER})
  endif()
  if(TANKAI_WINDOWS_LEFT_OUT)
    list(JOIN TANKAI_WINDOWS_LEFT_OUT ":" pasalinti)
    string(APPEND filter "-${pasalinti}")
  endif()
  # Through a script that tells a skipped case from a pass (the emulator, Wine, given
  # explicitly: the command is no longer the target itself).
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/tests/windows/gtest_run.sh ${CMAKE_CROSSCOMPILING_EMULATOR}
      $<TARGET_FILE:${target}> --gtest_filter=${filter} ${arg_EXTRA_ARGS}
    WORKING_DIRECTORY ${arg_WORKING_DIRECTORY})
  set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
  if(arg_PROPERTIES)
    set_tests_properties(${name} PROPERTIES ${arg_PROPERTIES})
  endif()
  get_test_property(${name} TIMEOUT timeout)
  if(NOT timeout OR timeout LESS TANKAI_WINDOWS_TEST_TIMEOUT)
    set_tests_properties(${name} PROPERTIES TIMEOUT ${TANKAI_WINDOWS_TEST_TIMEOUT})
  endif()
  if(arg_TEST_LIST)
    set(${arg_TEST_LIST} ${name} PARENT_SCOPE)
  endif()
endfunction()
