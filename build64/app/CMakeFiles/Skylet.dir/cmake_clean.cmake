file(REMOVE_RECURSE
  "CMakeFiles/Skylet.dir/Main.cpp.obj"
  "CMakeFiles/Skylet.dir/Main.cpp.obj.d"
  "CMakeFiles/Skylet.dir/SkyletApp.cpp.obj"
  "CMakeFiles/Skylet.dir/SkyletApp.cpp.obj.d"
  "CMakeFiles/Skylet.dir/SkyletDlgAutoProxy.cpp.obj"
  "CMakeFiles/Skylet.dir/SkyletDlgAutoProxy.cpp.obj.d"
  "CMakeFiles/Skylet.dir/__/res/Skylet.rc.res"
  "Skylet.exe"
  "Skylet.pdb"
  "libSkylet.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/Skylet.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
