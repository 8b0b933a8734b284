
# Consider dependencies only in project.
set(CMAKE_DEPENDS_IN_PROJECT_ONLY OFF)

# The set of languages for which implicit dependencies are needed:
set(CMAKE_DEPENDS_LANGUAGES
  "RC"
  )
# The set of files for implicit dependencies of each language:
set(CMAKE_DEPENDS_CHECK_RC
  "/work/main/tools/msgrsim/msgrsim.rc" "/work/main/build64/tools/msgrsim/CMakeFiles/msgrsim.dir/msgrsim.rc.res"
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
  "tools/msgrsim/generated"
  "/work/main"
  )

# The set of dependency files which are needed:
set(CMAKE_DEPENDS_DEPENDENCY_FILES
  "/work/main/tools/msgrsim/Main.cpp" "tools/msgrsim/CMakeFiles/msgrsim.dir/Main.cpp.obj" "gcc" "tools/msgrsim/CMakeFiles/msgrsim.dir/Main.cpp.obj.d"
  "/work/main/tools/msgrsim/MessengerObjects.cpp" "tools/msgrsim/CMakeFiles/msgrsim.dir/MessengerObjects.cpp.obj" "gcc" "tools/msgrsim/CMakeFiles/msgrsim.dir/MessengerObjects.cpp.obj.d"
  "/work/main/tools/msgrsim/Registration.cpp" "tools/msgrsim/CMakeFiles/msgrsim.dir/Registration.cpp.obj" "gcc" "tools/msgrsim/CMakeFiles/msgrsim.dir/Registration.cpp.obj.d"
  "/work/main/tools/msgrsim/Server.cpp" "tools/msgrsim/CMakeFiles/msgrsim.dir/Server.cpp.obj" "gcc" "tools/msgrsim/CMakeFiles/msgrsim.dir/Server.cpp.obj.d"
  )

# Targets to which this target links.
set(CMAKE_TARGET_LINKED_INFO_FILES
  "/work/main/build64/tools/msgrsim/CMakeFiles/msgrsim_core.dir/DependInfo.cmake"
  )

# Fortran module output directory.
set(CMAKE_Fortran_TARGET_MODULE_DIR "")
