# The 64-bit Windows build with Debian's default (win32 thread model) MinGW-w64 compilers.
set(TARVANE_MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
