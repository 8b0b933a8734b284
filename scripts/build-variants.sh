#!/usr/bin/env bash
# Builds the tree with the other compilers and targets it must stay clean
# for: GCC for x86_64, and clang for i686 and x86_64. A warning fails the
# build. Only building: the tests run on the i686 GCC build.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages

for variant in x86_64-w64-mingw32 i686-w64-mingw32-clang x86_64-w64-mingw32-clang; do
    dir="$BUILD_DIR-$variant"
    log "building $variant in $dir"
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/toolchain-$variant.cmake" \
          -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
done
