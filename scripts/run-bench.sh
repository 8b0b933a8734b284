#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks in a throwaway
# Wine prefix on an Xvfb display of their own.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build
throwaway_prefix bench-prefix

for bench in LogBench PollBench SoakBench; do
    log "$bench"
    wine "$BUILD_DIR/bench/$bench.exe"
done
