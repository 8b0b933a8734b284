#!/usr/bin/env bash
# Installs what is missing, builds, and starts Skylet under Wine on the
# current display, or on an Xvfb of its own when there is none.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build

[ -n "${DISPLAY:-}" ] || start_xvfb
wine_environment "$BUILD_DIR/run-prefix"
# The alerts play on the sound card, or without one into a file.
if ! has_sound_card; then
    record_sounds_to "$BUILD_DIR/played-alerts.wav"
    log "no sound card: the alerts Skylet plays go to $BUILD_DIR/played-alerts.wav"
fi
ensure_prefix
match_window_manager

# The simulator stands in for the messenger client; its contact list is
# tools/msgrsim/contacts.txt in the build folder (scripts/msgrsim.sh edits it).
register_simulator
if [ ! -f "$BUILD_DIR/tools/msgrsim/contacts.txt" ]; then
    cp "$REPO_DIR/tools/msgrsim/sample-contacts.txt" "$BUILD_DIR/tools/msgrsim/contacts.txt"
fi
serve_simulator

log "starting Skylet"
wine "$BUILD_DIR/app/Skylet.exe"
stop_simulator
