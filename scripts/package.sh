#!/usr/bin/env bash
# Installs what is missing and builds Skylet with its per-user installer and
# its portable zip, into build/dist.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
build
log "made:"
ls -l "$BUILD_DIR/dist/Skylet-1.0-setup.exe" "$BUILD_DIR/dist/Skylet-1.0-portable.zip" >&2
