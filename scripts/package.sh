#!/usr/bin/env bash
# Installs what is missing and makes, whatever this machine runs, the 32-bit
# per-user setup and portable zip, which ship (build/win32/dist), and the
# 64-bit ones (build/win64/dist, named -x64).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages
# Building the setups runs nothing, so the 32-bit ones are made also where
# 32-bit programs cannot start.
build_with "$REPO_DIR/build/win32" i686-w64-mingw32 --target dist
build_with "$REPO_DIR/build/win64" x86_64-w64-mingw32 --target dist
log "made:"
ls -l "$REPO_DIR"/build/win32/dist/Skylet-1.0-{setup.exe,portable.zip} \
      "$REPO_DIR"/build/win64/dist/Skylet-1.0-x64-{setup.exe,portable.zip} >&2
