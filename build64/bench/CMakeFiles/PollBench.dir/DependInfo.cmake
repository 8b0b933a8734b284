
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  "RC"
  )
# The set of files for implicit dependencies of each language:
set(CMAKE_DEPENDS_CHECK_RC
  "/work/main/res/Skylet.rc" "/work/main/build64/bench/CMakeFiles/PollBench.dir/__/res/Skylet.rc.res"
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
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/bench/PollBench.cpp" "bench/CMakeFiles/PollBench.dir/PollBench.cpp.obj" "gcc" "bench/CMakeFiles/PollBench.dir/PollBench.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build64/bench/CMakeFiles/skylet_bench_support.dir/DependInfo.cmake"
  "/work/main/build64/CMakeFiles/skylet.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
