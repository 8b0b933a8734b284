
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  "RC"
  )
# The set of files for implicit dependencies of each language:
set(CMAKE_DEPENDS_CHECK_RC
  "/work/main/res/Skylet.rc" "/work/main/build64/tests/unit/CMakeFiles/skylet_tests.dir/__/__/res/Skylet.rc.res"
  )

# Preprocessor definitions for this target.
set(CMAKE_TARGET_DEFINITIONS_RC
  "NOMINMAX"
  "WIN32_LEAN_AND_MEAN"
  "WINVER=0x0501"
  "_WIN32_IE=0x0600"
  "_WIN32_WINNT=0x0501"
  )

# The include file search paths:
set(CMAKE_RC_TARGET_INCLUDE_PATH
  "/work/main"
  "/usr/src/googletest/googletest/include"
  "/usr/src/googletest/googletest"
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tests/unit/ContactWndTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/ContactWndTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/ContactWndTest.cpp.obj.d"
  "/work/main/tests/unit/FakeMessenger.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/FakeMessenger.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/FakeMessenger.cpp.obj.d"
  "/work/main/tests/unit/FrameworkTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/FrameworkTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/FrameworkTest.cpp.obj.d"
  "/work/main/tests/unit/ListeTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/ListeTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/ListeTest.cpp.obj.d"
  "/work/main/tests/unit/Main.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/Main.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/Main.cpp.obj.d"
  "/work/main/tests/unit/PaintLeakTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/PaintLeakTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/PaintLeakTest.cpp.obj.d"
  "/work/main/tests/unit/PollCycleTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/PollCycleTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/PollCycleTest.cpp.obj.d"
  "/work/main/tests/unit/ProfileTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/ProfileTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/ProfileTest.cpp.obj.d"
  "/work/main/tests/unit/RecordTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/RecordTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/RecordTest.cpp.obj.d"
  "/work/main/tests/unit/StatusLogTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/StatusLogTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/StatusLogTest.cpp.obj.d"
  "/work/main/tests/unit/StatusTest.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/StatusTest.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/StatusTest.cpp.obj.d"
  "/work/main/tests/unit/TestApp.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/TestApp.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/TestApp.cpp.obj.d"
  "/work/main/tests/unit/TestFiles.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/TestFiles.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/TestFiles.cpp.obj.d"
  "/work/main/tests/unit/TestSupport.cpp" "tests/unit/CMakeFiles/skylet_tests.dir/TestSupport.cpp.obj" "gcc" "tests/unit/CMakeFiles/skylet_tests.dir/TestSupport.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build64/CMakeFiles/skylet.dir/DependInfo.cmake"
  "/work/main/build64/googletest/googletest/CMakeFiles/gtest.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
