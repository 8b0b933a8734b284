if(EXISTS "/work/main/build64/tests/e2e/skylet_e2e.exe")
  if(NOT EXISTS "/work/main/build64/tests/e2e/skylet_e2e[1]_tests.cmake" OR
     NOT "/work/main/build64/tests/e2e/skylet_e2e[1]_tests.cmake" IS_NEWER_THAN "/work/main/build64/tests/e2e/skylet_e2e.exe" OR
     NOT "/work/main/build64/tests/e2e/skylet_e2e[1]_tests.cmake" IS_NEWER_THAN "${CMAKE_CURRENT_LIST_FILE}")
    include("/usr/share/cmake-3.25/Modules/GoogleTestAddTests.cmake")
    gtest_discover_tests_impl(
      TEST_EXECUTABLE [==[/work/main/build64/tests/e2e/skylet_e2e.exe]==]
      TEST_EXECUTOR [==[wine]==]
      TEST_WORKING_DIR [==[/work/main/build64/tests/e2e]==]
      TEST_EXTRA_ARGS [==[]==]
      TEST_PROPERTIES [==[TIMEOUT;180;RESOURCE_LOCK;msgrsim]==]
      TEST_PREFIX [==[e2e.]==]
      TEST_SUFFIX [==[]==]
      TEST_FILTER [==[]==]
      NO_PRETTY_TYPES [==[FALSE]==]
      NO_PRETTY_VALUES [==[FALSE]==]
      TEST_LIST [==[skylet_e2e_TESTS]==]
      CTEST_FILE [==[/work/main/build64/tests/e2e/skylet_e2e[1]_tests.cmake]==]
      TEST_DISCOVERY_TIMEOUT [==[60]==]
      TEST_XML_OUTPUT_DIR [==[]==]
    )
  endif()
  include("/work/main/build64/tests/e2e/skylet_e2e[1]_tests.cmake")
else()
  add_test(skylet_e2e_NOT_BUILT skylet_e2e_NOT_BUILT)
endif()
