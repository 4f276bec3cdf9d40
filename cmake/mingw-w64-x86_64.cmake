# Cross build for 64-bit Windows with Debian's MinGW-w64 compiler (posix
# threads variant, so std::thread and std::mutex work), tested under Wine.
#
#   cmake -S . -B build-mingw -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
#         -DVARNICK_BUILD_APP=OFF -DVARNICK_BUILD_BENCH=OFF \
#         -DGTest_DIR=<prefix>/lib/cmake/GTest -DCLI11_DIR=<prefix>/share/cmake/CLI11 \
#         -Dnlohmann_json_DIR=<prefix>/share/cmake/nlohmann_json \
#         -DBZIP2_INCLUDE_DIR=<prefix>/include -DBZIP2_LIBRARY_RELEASE=<prefix>/lib/libbz2.a
#
# where <prefix> holds GoogleTest and libbz2 built with this toolchain and the
# two header-only libraries. scripts/build-windows-app.sh makes that prefix
# (build-mingw/deps) and, for the program itself (VARNICK_BUILD_APP=ON), Qt and
# SQLite; scripts/test-windows.sh runs the tests and the program under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VARNICK_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VARNICK_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VARNICK_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${VARNICK_MINGW_TRIPLET}-windres)

# Libraries and packages come from the MinGW sysroot and from prefixes the
# caller adds (CMAKE_PREFIX_PATH, e.g. the cross-built GoogleTest), never from
# the build machine; programs (the Wine emulator) come from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${VARNICK_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Libraries cross-built outside the sysroot (Qt and SQLite for Windows, which
# scripts/windows-deps.sh builds into the cache folder) are searched the same
# way: pass their prefixes as VARNICK_WINDOWS_PREFIXES and CMAKE_PREFIX_PATH.
if(VARNICK_WINDOWS_PREFIXES)
  list(APPEND CMAKE_FIND_ROOT_PATH ${VARNICK_WINDOWS_PREFIXES})
endif()

# Link the compiler's runtime (libgcc, libstdc++, winpthread) statically, so
# every .exe and kelvora.dll runs on a bare Windows, or under Wine, without
# extra DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests (and GoogleTest's test discovery) run through Wine, in a prefix of the
# build folder so they never touch the user's own ~/.wine. No display is
# needed; the built-in .NET and HTML engines are switched off so that making
# the prefix never asks to download them. A UTF-8 locale lets non-ASCII
# arguments reach the programs intact.
if(NOT DEFINED VARNICK_WINE)
  find_program(VARNICK_WINE NAMES wine64 PATHS /usr/lib/wine /usr/lib/x86_64-linux-gnu/wine NO_DEFAULT_PATH)
  if(NOT VARNICK_WINE)
    find_program(VARNICK_WINE NAMES wine64 wine)
  endif()
endif()
if(VARNICK_WINE)
  if(NOT DEFINED VARNICK_WINEPREFIX)
    set(VARNICK_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
  endif()
  set(CMAKE_CROSSCOMPILING_EMULATOR
      ${CMAKE_COMMAND} -E env WINEPREFIX=${VARNICK_WINEPREFIX} WINEDEBUG=-all WINEARCH=win64
      WINEDLLOVERRIDES=mscoree,mshtml= DISPLAY= LC_ALL=C.UTF-8 ${VARNICK_WINE})
endif()
