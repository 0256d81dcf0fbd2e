# The CMake package: find_package(velora) gives velora::velora (and velora::panekit on Windows).
include(CMakePackageConfigHelpers)
install(EXPORT veloraTargets NAMESPACE velora:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velora)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/veloraConfig.cmake.in
  ${CMAKE_BINARY_DIR}/veloraConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velora)
write_basic_package_version_file(${CMAKE_BINARY_DIR}/veloraConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/veloraConfig.cmake ${CMAKE_BINARY_DIR}/veloraConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/velora)
