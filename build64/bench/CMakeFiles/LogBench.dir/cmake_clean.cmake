file(REMOVE_RECURSE
  "CMakeFiles/LogBench.dir/LogBench.cpp.obj"
  "CMakeFiles/LogBench.dir/LogBench.cpp.obj.d"
  "CMakeFiles/LogBench.dir/__/res/Skylet.rc.res"
  "LogBench.exe"
  "LogBench.pdb"
  "libLogBench.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/LogBench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
