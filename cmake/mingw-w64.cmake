# Cross-building the Windows desktop with MinGW-w64 (64-bit, POSIX threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZENTAVORO_MINGW_TRIPLET x86_64-w64-mingw32)
find_program(CMAKE_C_COMPILER NAMES ${ZENTAVORO_MINGW_TRIPLET}-gcc-posix ${ZENTAVORO_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${ZENTAVORO_MINGW_TRIPLET}-g++-posix ${ZENTAVORO_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${ZENTAVORO_MINGW_TRIPLET}-windres windres REQUIRED)

set(CMAKE_FIND_ROOT_PATH /usr/${ZENTAVORO_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs run on machines that have none of MinGW's runtime DLLs: link everything in.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools built here are Windows programs; CTest runs them through Wine.
find_program(ZENTAVORO_WINE wine)
if(ZENTAVORO_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZENTAVORO_WINE})
endif()
# Listing the tests of a GoogleTest program means running it under Wine: do that when the
# tests run, not on every build.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)

# GCC 12 reports impossible overlaps inside libstdc++'s string concatenation at -O2
# (-Wrestrict false positive, GCC bug 105329); it must not fail a warnings-as-errors build.
set(CMAKE_CXX_FLAGS_INIT "-Wno-restrict")
