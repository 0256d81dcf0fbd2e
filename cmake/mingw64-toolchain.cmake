# Cross build for 64-bit Windows with the POSIX-threads MinGW-w64 compilers; programs run under
# 64-bit Wine. A supported build beside the 32-bit one, and the one whose tests run on hosts that
# cannot run 32-bit programs at all.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)
