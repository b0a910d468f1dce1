# Answers find_package(GTest) in the Windows build: the targets come from
# cmake/googletest-win32.cmake, built from sources.
set(GTest_FOUND TRUE)
