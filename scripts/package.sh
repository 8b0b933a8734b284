#!/usr/bin/env bash
# Installs what is missing and makes, whatever this machine runs, the 32-bit
# per-user setup and portable zip, which ship (build/win32/dist), and the
# 64-bit ones (build/win64/dist, named -x64).
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

# Builds one architecture's setup and zip in its own build folder; building
# them runs nothing, so the 32-bit ones are made also where 32-bit programs
# cannot start.
package() {
    local arch=$1 toolchain=$2
    local dir=$REPO_DIR/build/$arch
    STEP="making the $arch setup in $dir"
    log "$STEP"
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/toolchain-$toolchain.cmake" >/dev/null \
        || fail "CMake could not configure $dir"
    cmake --build "$dir" -j"$(nproc)" --target dist || fail "the build of $dir failed"
}

ensure_packages
package win32 i686-w64-mingw32
package win64 x86_64-w64-mingw32
log "made:"
ls -l "$REPO_DIR"/build/win32/dist/Skylet-1.0-{setup.exe,portable.zip} \
      "$REPO_DIR"/build/win64/dist/Skylet-1.0-x64-{setup.exe,portable.zip} >&2
