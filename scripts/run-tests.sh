#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test in a throwaway Wine
# prefix on an Xvfb display of its own. Exits with the tests' result.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build
throwaway_prefix test-prefix

# The sounds the tests play really play, into a file that they can read.
export SKYLET_PLAYED_SOUNDS=$BUILD_DIR/test-sounds.wav
record_sounds_to "$SKYLET_PLAYED_SOUNDS"

cd "$BUILD_DIR"
STEP="running the tests"
ctest --output-on-failure --timeout 300 "$@"
