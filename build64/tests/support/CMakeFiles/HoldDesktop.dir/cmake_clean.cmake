file(REMOVE_RECURSE
  "CMakeFiles/HoldDesktop.dir/HoldDesktop.cpp.obj"
  "CMakeFiles/HoldDesktop.dir/HoldDesktop.cpp.obj.d"
  "HoldDesktop.exe"
  "HoldDesktop.pdb"
  "libHoldDesktop.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/HoldDesktop.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
