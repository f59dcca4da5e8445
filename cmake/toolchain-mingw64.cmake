# Cross-building for 64-bit Windows with MinGW-w64 (Debian's g++-mingw-w64-x86-64):
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake \
#     [-DVORLASH_QT_WINDOWS=<prefix printed by scripts/build-qt-windows.sh>]
# The -posix compilers give std::thread and std::mutex; everything is linked
# statically, so the executables need no MinGW DLLs beside them. Programs built
# here run on this machine under wine.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64-base.cmake)
find_program(VORLASH_WINE wine)
if(VORLASH_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${VORLASH_WINE})
endif()

# The desktop program and its window tests need Qt built for Windows
# (scripts/build-qt-windows.sh prints its prefix): -DVORLASH_QT_WINDOWS=DIR.
# Without it only the core, vorlash-cli and the core tests are built. The
# host tools (moc, rcc, uic) are Debian's, of the same Qt version.
if(VORLASH_QT_WINDOWS)
  list(APPEND CMAKE_FIND_ROOT_PATH ${VORLASH_QT_WINDOWS})
  list(APPEND CMAKE_PREFIX_PATH ${VORLASH_QT_WINDOWS})
  set(QT_HOST_PATH /usr CACHE PATH "Where the host's Qt tools are")
  set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
  set(VORLASH_UI ON CACHE BOOL "" FORCE)
else()
  set(VORLASH_UI OFF CACHE BOOL "" FORCE)
endif()
set(VORLASH_BENCH OFF CACHE BOOL "" FORCE)
set(ZLIB_USE_STATIC_LIBS ON)  # libz.a, not the DLL import library
