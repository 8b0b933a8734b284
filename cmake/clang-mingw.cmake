# Shared by the clang toolchain files: Debian's clang for a mingw-w64 target,
# with the headers and libraries of Debian's posix-thread mingw-w64 GCC, the
# ones the GCC build uses. Clang does not find that GCC's C++ library by
# itself (its version folder is named "12-posix"), so it is named here.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${MINGW_ARCH})

set(MINGW_PREFIX ${MINGW_ARCH}-w64-mingw32)
file(GLOB MINGW_GCC_LIB_DIR LIST_DIRECTORIES true /usr/lib/gcc/${MINGW_PREFIX}/*-posix)

set(CMAKE_C_COMPILER   clang)
set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_C_COMPILER_TARGET   ${MINGW_PREFIX})
set(CMAKE_CXX_COMPILER_TARGET ${MINGW_PREFIX})
set(CMAKE_SYSROOT /usr/${MINGW_PREFIX})
set(CMAKE_RC_COMPILER ${MINGW_PREFIX}-windres)
set(WIDL_EXECUTABLE   ${MINGW_PREFIX}-widl)

set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES
    ${MINGW_GCC_LIB_DIR}/include/c++
    ${MINGW_GCC_LIB_DIR}/include/c++/${MINGW_PREFIX}
    ${MINGW_GCC_LIB_DIR}/include/c++/backward)
# LLVM's linker: GNU ld warns about every type name that clang and GCC's
# library both define, whose sections differ in padding.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fuse-ld=lld -L${MINGW_GCC_LIB_DIR}")
# The C++ runtime and the unwinder of that GCC call the pthread library:
# -pthread puts it in the driver's group of default libraries, as GCC does.
string(APPEND CMAKE_EXE_LINKER_FLAGS_INIT " -pthread")
# DLLs (the test prefix's stand-in voice) link the same way.
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${CMAKE_EXE_LINKER_FLAGS_INIT}")

set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR wine)
