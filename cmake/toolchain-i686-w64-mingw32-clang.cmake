# Cross-build for 32-bit Windows with Debian's clang.
set(MINGW_ARCH i686)
set(WINE_WINDOWS_LIB_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
include(${CMAKE_CURRENT_LIST_DIR}/clang-mingw.cmake)
