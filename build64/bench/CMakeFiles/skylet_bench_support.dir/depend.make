# Empty dependencies file for skylet_bench_support.
# This may be replaced when dependencies are built.
