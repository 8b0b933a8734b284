file(REMOVE_RECURSE
  "libskylet_bench_support.a"
)
