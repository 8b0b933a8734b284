#!/usr/bin/env bash
# Installs what is missing, builds, and runs the benchmarks in a throwaway
# Wine prefix on an Xvfb display of their own.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build

cleanup() {
    stop_wineserver
    stop_xvfb
}
trap cleanup EXIT

start_xvfb
rm -rf "$BUILD_DIR/bench-prefix"
wine_environment "$BUILD_DIR/bench-prefix"
ensure_prefix
without_window_manager
hold_desktop
wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" /regserver >/dev/null

for bench in LogBench PollBench; do
    log "$bench"
    wine "$BUILD_DIR/bench/$bench.exe"
done
