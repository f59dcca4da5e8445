# Cross-building for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
# The -posix compilers give std::thread and std::mutex; everything is linked
# statically, so the executables need no MinGW DLLs beside them. Programs built
# here run on this machine under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(mingw_prefix x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${mingw_prefix})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
find_program(VORLASH_WINE wine)
if(VORLASH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VORLASH_WINE})
endif()

# Only the core, vorlash-cli and the core tests: there is no Qt for Windows here.
set(VORLASH_UI OFF CACHE BOOL "" FORCE)
set(VORLASH_BENCH OFF CACHE BOOL "" FORCE)
set(ZLIB_USE_STATIC_LIBS ON)  # libz.a, not the DLL import library
