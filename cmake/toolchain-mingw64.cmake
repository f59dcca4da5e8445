# Cross-building for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake
# The -posix compilers give std::thread and std::mutex; everything is linked
# statically, so the executables need no MinGW DLLs beside them. Programs built
# here run on this machine under wine.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64-base.cmake)
find_program(VORLASH_WINE wine)
if(VORLASH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VORLASH_WINE})
endif()

# Only the core, vorlash-cli and the core tests: there is no Qt for Windows here.
set(VORLASH_UI OFF CACHE BOOL "" FORCE)
set(VORLASH_BENCH OFF CACHE BOOL "" FORCE)
set(ZLIB_USE_STATIC_LIBS ON)  # libz.a, not the DLL import library
