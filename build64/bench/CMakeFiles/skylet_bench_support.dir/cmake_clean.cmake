file(REMOVE_RECURSE
  "CMakeFiles/skylet_bench_support.dir/BenchSupport.cpp.obj"
  "CMakeFiles/skylet_bench_support.dir/BenchSupport.cpp.obj.d"
  "libskylet_bench_support.a"
  "libskylet_bench_support.pdb"
)

# Per-language clean rules from dependency scanning.
foreach(lang CXX)
  include(CMakeFiles/skylet_bench_support.dir/cmake_clean_${lang}.cmake OPTIONAL)
endforeach()
