# Cross-builds a 64-bit Windows program with Debian's mingw-w64 compilers
# (package g++-mingw-w64-x86-64-posix). Use it as
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
# The programs are linked statically, so they run without the compiler's
# DLLs beside them, on Windows and under Wine alike.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(LINEWRIGHT_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${LINEWRIGHT_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${LINEWRIGHT_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${LINEWRIGHT_MINGW_TRIPLE}-windres)

# Libraries and headers come from the mingw-w64 tree only; programs that run
# during the build (none but the emulator) come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${LINEWRIGHT_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Test programs run under Wine when one is installed.
find_program(LINEWRIGHT_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(NOT LINEWRIGHT_WINE)
  find_program(LINEWRIGHT_WINE NAMES wine64 wine)
endif()
if(LINEWRIGHT_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${LINEWRIGHT_WINE})
endif()
