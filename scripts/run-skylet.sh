#!/usr/bin/env bash
# Installs what is missing, builds, and starts Skylet under Wine on the
# current display, or on an Xvfb of its own when there is none.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build

cleanup() {
    stop_wineserver
    stop_xvfb
}
trap cleanup EXIT

own_display=
[ -n "${DISPLAY:-}" ] || { start_xvfb; own_display=1; }
wine_environment "$BUILD_DIR/run-prefix"
ensure_prefix
[ -z "$own_display" ] || without_window_manager

log "starting Skylet"
wine "$BUILD_DIR/app/Skylet.exe"
