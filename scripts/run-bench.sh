#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks in a throwaway
# Wine prefix on an Xvfb display of their own. SOAK_CYCLES sets the length of
# the soak (1,000 poll cycles by default, about ten minutes).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build
throwaway_prefix bench-prefix

for bench in LogBench PollBench; do
    log "$bench"
    wine "$BUILD_DIR/bench/$bench.exe"
done
log "StepAsideBench"
wine "$BUILD_DIR/bench/StepAsideBench.exe" \
    "$(windows_path "$BUILD_DIR/tests/support/FullScreenWindow.exe")"
log "AnswerBench"
wine "$BUILD_DIR/bench/AnswerBench.exe"
log "SoakBench"
wine "$BUILD_DIR/bench/SoakBench.exe" "${SOAK_CYCLES:-1000}"
