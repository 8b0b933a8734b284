
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/msgrsim/ContactFileTest.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/ContactFileTest.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/ContactFileTest.cpp.obj.d"
  "/work/main/tests/msgrsim/FrontEndTest.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/FrontEndTest.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/FrontEndTest.cpp.obj.d"
  "/work/main/tests/msgrsim/Main.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/Main.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/Main.cpp.obj.d"
  "/work/main/tests/msgrsim/MessengerClient.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/MessengerClient.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/MessengerClient.cpp.obj.d"
  "/work/main/tests/msgrsim/ServerTest.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/ServerTest.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/ServerTest.cpp.obj.d"
  "/work/main/tests/msgrsim/TestFiles.cpp" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/TestFiles.cpp.obj" "gcc" "tests/msgrsim/CMakeFiles/msgrsim_tests.dir/TestFiles.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build64/tools/msgrsim/CMakeFiles/msgrsim_core.dir/DependInfo.cmake"
  "/work/main/build64/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
