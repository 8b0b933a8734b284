
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/e2e/ContactWindowTest.cpp" "tests/e2e/CMakeFiles/skylet_e2e.dir/ContactWindowTest.cpp.obj" "gcc" "tests/e2e/CMakeFiles/skylet_e2e.dir/ContactWindowTest.cpp.obj.d"
  "/work/main/tests/e2e/Harness.cpp" "tests/e2e/CMakeFiles/skylet_e2e.dir/Harness.cpp.obj" "gcc" "tests/e2e/CMakeFiles/skylet_e2e.dir/Harness.cpp.obj.d"
  "/work/main/tests/e2e/Main.cpp" "tests/e2e/CMakeFiles/skylet_e2e.dir/Main.cpp.obj" "gcc" "tests/e2e/CMakeFiles/skylet_e2e.dir/Main.cpp.obj.d"
  "/work/main/tests/e2e/StartupTest.cpp" "tests/e2e/CMakeFiles/skylet_e2e.dir/StartupTest.cpp.obj" "gcc" "tests/e2e/CMakeFiles/skylet_e2e.dir/StartupTest.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build64/CMakeFiles/skylet.dir/DependInfo.cmake"
  "/work/main/build64/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
