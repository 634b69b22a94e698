# Cross-compiling the product for 32-bit Windows with MinGW-w64 (the host
# program that loads the plug-in is a 32-bit process).
set(OSTREVAN_MINGW_TRIPLET i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
