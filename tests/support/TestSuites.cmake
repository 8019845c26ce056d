# Read by ctest for each GoogleTest program: one ctest test per test suite, named
# FOLDER/Suite, which runs the suite's tests in one process; the program's output names each
# test that failed. The suites are listed again when the program is newer than the list. Set
# by the including file: KVT7_CMAKE, KVT7_TEST_PROGRAM, KVT7_TEST_FOLDER, KVT7_TEST_LIST (the
# list's file), KVT7_TEST_ENVIRONMENT, KVT7_TEST_EXCLUDED (the gtest filter of what is not a
# test).

if(NOT EXISTS "${KVT7_TEST_PROGRAM}")
  get_filename_component(missing "${KVT7_TEST_PROGRAM}" NAME)
  add_test(${missing}_NOT_BUILT ${missing}_NOT_BUILT)
  return()
endif()

if(NOT EXISTS "${KVT7_TEST_LIST}" OR NOT "${KVT7_TEST_LIST}" IS_NEWER_THAN "${KVT7_TEST_PROGRAM}")
  execute_process(
    COMMAND "${KVT7_CMAKE}" -E env ${KVT7_TEST_ENVIRONMENT}
      "${KVT7_TEST_PROGRAM}" --gtest_list_tests "--gtest_filter=-${KVT7_TEST_EXCLUDED}"
    OUTPUT_VARIABLE listed ERROR_VARIABLE problem RESULT_VARIABLE status TIMEOUT 60)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "${KVT7_TEST_PROGRAM} did not list its tests (${status}):\n${listed}${problem}")
  endif()
  set(suites)
  string(REPLACE "\n" ";" lines "${listed}")
  foreach(line IN LISTS lines)
    # "Suite." or "Prefix/Suite/0.  # TypeParam = ..." starts a suite; its tests are indented.
    if(line MATCHES "^([^ ][^ ]*)\\.( .*)?$")
      list(APPEND suites "${CMAKE_MATCH_1}")
    endif()
  endforeach()
  file(WRITE "${KVT7_TEST_LIST}" "${suites}")
endif()

file(READ "${KVT7_TEST_LIST}" suites)
foreach(suite IN LISTS suites)
  set(name "${KVT7_TEST_FOLDER}/${suite}")
  add_test("${name}" "${KVT7_TEST_PROGRAM}" "--gtest_filter=${suite}.*-${KVT7_TEST_EXCLUDED}")
  set_tests_properties("${name}" PROPERTIES ENVIRONMENT "${KVT7_TEST_ENVIRONMENT}")
endforeach()
