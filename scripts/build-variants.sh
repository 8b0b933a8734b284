#!/usr/bin/env bash
# Builds the tree with every compiler and target it must stay clean for,
# GCC and clang for i686 and x86_64, but the one the tests build and run
# (the architecture that common.sh chose). A warning fails the build. Only
# building: nothing here runs.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages

for variant in i686-w64-mingw32 x86_64-w64-mingw32 i686-w64-mingw32-clang x86_64-w64-mingw32-clang; do
    [ "$variant" = "$TOOLCHAIN" ] && continue
    dir="$REPO_DIR/build/$variant"
    STEP="building $variant in $dir"
    log "$STEP"
    cmake -S "$REPO_DIR" -B "$dir" -DCMAKE_BUILD_TYPE=Release \
          -DCMAKE_TOOLCHAIN_FILE="$REPO_DIR/cmake/toolchain-$variant.cmake" \
          -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    cmake --build "$dir" -j"$(nproc)"
done
