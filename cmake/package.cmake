# The Windows package: one ZIP per Windows build (`--target package`), velora-<version>-win32.zip
# or -win64.zip, holding what `cmake --install` installs: bin/ (the DLLs, the compiler's runtime
# DLLs, the demo and the examples), lib/ (import libraries, Velfont.bin, the CMake package),
# include/, the README and the licences of what it ships.
if(NOT WIN32)
  return()
endif()

install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/README.md DESTINATION .)
# Licences of the pieces shipped beside our own: the compiler's runtime DLLs (GCC's runtime
# library exception; winpthread is part of MinGW-w64), the Hershey fonts Velfont.bin is made from,
# and zlib, linked into velora.dll where it is used.
set(licences
  "gcc-runtime.txt|/usr/share/doc/gcc-mingw-w64-base/copyright"
  "mingw-w64.txt|/usr/share/doc/mingw-w64-common/copyright"
  "hershey-fonts.txt|/usr/share/doc/hershey-fonts-data/copyright"
  "zlib.txt|/usr/share/doc/libz-mingw-w64/copyright")
foreach(entry IN LISTS licences)
  string(REPLACE "|" ";" entry "${entry}")
  list(GET entry 0 name)
  list(GET entry 1 source)
  if(EXISTS ${source})
    install(FILES ${source} DESTINATION licences RENAME ${name})
  endif()
endforeach()

if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(CPACK_SYSTEM_NAME win64)
else()
  set(CPACK_SYSTEM_NAME win32)
endif()
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME velora)
set(CPACK_PACKAGE_VENDOR Velora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME velora-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
# bin/, lib/ and include/ at the top of the archive: unpacked anywhere, it is the install prefix.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR})
include(CPack)
