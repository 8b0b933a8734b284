file(REMOVE_RECURSE
  "CMakeFiles/PollBench.dir/PollBench.cpp.obj"
  "CMakeFiles/PollBench.dir/PollBench.cpp.obj.d"
  "CMakeFiles/PollBench.dir/__/res/Skylet.rc.res"
  "PollBench.exe"
  "PollBench.pdb"
  "libPollBench.dll.a"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX RC)
  include(CMakeFiles/PollBench.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
