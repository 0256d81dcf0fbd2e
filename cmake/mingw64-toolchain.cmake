# Cross build for 64-bit Windows. The product is the 32-bit build; this one only stands in for it
# to run the Windows tests under Wine on hosts that cannot run 32-bit programs at all.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
set(WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain-common.cmake)
