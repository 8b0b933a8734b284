file(REMOVE_RECURSE
  "CMakeFiles/msgrsim.dir/Main.cpp.obj"
  "CMakeFiles/msgrsim.dir/Main.cpp.obj.d"
  "CMakeFiles/msgrsim.dir/MessengerObjects.cpp.obj"
  "CMakeFiles/msgrsim.dir/MessengerObjects.cpp.obj.d"
  "CMakeFiles/msgrsim.dir/Registration.cpp.obj"
  "CMakeFiles/msgrsim.dir/Registration.cpp.obj.d"
  "CMakeFiles/msgrsim.dir/Server.cpp.obj"
  "CMakeFiles/msgrsim.dir/Server.cpp.obj.d"
  "CMakeFiles/msgrsim.dir/msgrsim.rc.res"
  "libmsgrsim.dll.a"
  "msgrsim.exe"
  "msgrsim.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/msgrsim.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
