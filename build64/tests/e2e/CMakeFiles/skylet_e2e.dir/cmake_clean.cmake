file(REMOVE_RECURSE
  "CMakeFiles/skylet_e2e.dir/ContactWindowTest.cpp.obj"
  "CMakeFiles/skylet_e2e.dir/ContactWindowTest.cpp.obj.d"
  "CMakeFiles/skylet_e2e.dir/Harness.cpp.obj"
  "CMakeFiles/skylet_e2e.dir/Harness.cpp.obj.d"
  "CMakeFiles/skylet_e2e.dir/Main.cpp.obj"
  "CMakeFiles/skylet_e2e.dir/Main.cpp.obj.d"
  "CMakeFiles/skylet_e2e.dir/StartupTest.cpp.obj"
  "CMakeFiles/skylet_e2e.dir/StartupTest.cpp.obj.d"
  "libskylet_e2e.dll.a"
  "skylet_e2e.exe"
  "skylet_e2e.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/skylet_e2e.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
