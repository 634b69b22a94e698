# Cross-compiling for 64-bit Windows with MinGW-w64; this build runs under
# the 64-bit Wine that the test machines have.
set(OSTREVAN_MINGW_TRIPLET x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
