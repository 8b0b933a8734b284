file(REMOVE_RECURSE
  "CMakeFiles/skylet_tests.dir/ContactWndTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/ContactWndTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/FakeMessenger.cpp.obj"
  "CMakeFiles/skylet_tests.dir/FakeMessenger.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/FrameworkTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/FrameworkTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/ListeTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/ListeTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/Main.cpp.obj"
  "CMakeFiles/skylet_tests.dir/Main.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/PaintLeakTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/PaintLeakTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/PollCycleTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/PollCycleTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/ProfileTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/ProfileTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/RecordTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/RecordTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/StatusLogTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/StatusLogTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/StatusTest.cpp.obj"
  "CMakeFiles/skylet_tests.dir/StatusTest.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/TestApp.cpp.obj"
  "CMakeFiles/skylet_tests.dir/TestApp.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/TestFiles.cpp.obj"
  "CMakeFiles/skylet_tests.dir/TestFiles.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/TestSupport.cpp.obj"
  "CMakeFiles/skylet_tests.dir/TestSupport.cpp.obj.d"
  "CMakeFiles/skylet_tests.dir/__/__/res/Skylet.rc.res"
  "libskylet_tests.dll.a"
  "skylet_tests.exe"
  "skylet_tests.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/skylet_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
