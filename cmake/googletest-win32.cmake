# GoogleTest for the Windows build, compiled from the sources Debian installs
# (googletest package), so that find_package(GTest) finds GTest::gtest and
# GTest::gtest_main as on Linux.
set(ZENTAVORO_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources")
if(NOT TARGET gtest)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
  add_subdirectory(${ZENTAVORO_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # Not our code: our warnings-as-errors stay out of it.
  set_property(TARGET gtest gtest_main PROPERTY COMPILE_OPTIONS -w)
endif()
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gtest_main ALIAS gtest_main)
endif()
set(GTest_FOUND TRUE)
set(GTEST_FOUND TRUE)
# find_package(GTest) sees the targets and asks nothing more of the system.
set(GTest_DIR ${CMAKE_CURRENT_LIST_DIR}/googletest-win32-config CACHE PATH "" FORCE)
