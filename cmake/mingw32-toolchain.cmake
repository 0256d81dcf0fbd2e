# Cross build for 32-bit Windows with the POSIX-threads MinGW-w64 compilers; programs run under Wine.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
set(WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)
