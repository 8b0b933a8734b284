# Cross-build for 64-bit Windows with Debian's clang.
set(MINGW_ARCH x86_64)
set(WINE_WINDOWS_LIB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
