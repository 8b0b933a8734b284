file(REMOVE_RECURSE
  "CMakeFiles/msgrsim_tests.dir/ContactFileTest.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/ContactFileTest.cpp.obj.d"
  "CMakeFiles/msgrsim_tests.dir/FrontEndTest.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/FrontEndTest.cpp.obj.d"
  "CMakeFiles/msgrsim_tests.dir/Main.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/Main.cpp.obj.d"
  "CMakeFiles/msgrsim_tests.dir/MessengerClient.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/MessengerClient.cpp.obj.d"
  "CMakeFiles/msgrsim_tests.dir/ServerTest.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/ServerTest.cpp.obj.d"
  "CMakeFiles/msgrsim_tests.dir/TestFiles.cpp.obj"
  "CMakeFiles/msgrsim_tests.dir/TestFiles.cpp.obj.d"
  "libmsgrsim_tests.dll.a"
  "msgrsim_tests.exe"
  "msgrsim_tests.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/msgrsim_tests.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
