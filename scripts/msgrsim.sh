#!/usr/bin/env bash
# The messenger simulator's command line, in the prefix of run-skylet.sh:
#   scripts/msgrsim.sh set bob@example.com away
#   scripts/msgrsim.sh list
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
trap - EXIT  # the running Skylet keeps its prefix's server
wine_environment "$BUILD_DIR/run-prefix"
use_wine_loader >/dev/null 2>&1
exec wine "$BUILD_DIR/tools/msgrsim/msgrsim.exe" "$@"
