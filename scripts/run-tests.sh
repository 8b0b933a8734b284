#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in a throwaway Wine
# prefix on an Xvfb display of its own. Exits with the tests' result.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build

cleanup() {
    stop_wineserver
    stop_xvfb
}
trap cleanup EXIT

start_xvfb
rm -rf "$BUILD_DIR/test-prefix"
wine_environment "$BUILD_DIR/test-prefix"
ensure_prefix
without_window_manager
hold_desktop
log "registering the messenger simulator in the test prefix"
wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" /regserver >/dev/null

cd "$BUILD_DIR"
ctest --output-on-failure --timeout 300 "$@"
