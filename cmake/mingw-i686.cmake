# The 32-bit Windows build with Debian's default (win32 thread model) MinGW-w64 compilers.
set(TARVANE_MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
