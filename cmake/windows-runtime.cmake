# The compiler's runtime DLLs that every Windows module of this project loads (the shared libgcc
# and winpthread): copied beside the programs in the build, so that tests run under Wine as they
# are, and installed beside velora.dll.
set(VELORA_RUNTIME_DLLS)
foreach(name libgcc_s_dw2-1.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
                  OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  # The compiler prints the bare name when it has no such file (the other target's libgcc).
  if(IS_ABSOLUTE "${path}" AND EXISTS "${path}")
    get_filename_component(path "${path}" REALPATH)
    list(APPEND VELORA_RUNTIME_DLLS ${path})
  endif()
endforeach()
if(NOT VELORA_RUNTIME_DLLS)
  message(FATAL_ERROR "The compiler's runtime DLLs (libgcc_s_*.dll, libwinpthread-1.dll) were not found")
endif()
file(COPY ${VELORA_RUNTIME_DLLS} DESTINATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY})
install(FILES ${VELORA_RUNTIME_DLLS} DESTINATION ${CMAKE_INSTALL_BINDIR})
