# cmake --install: the library, its public headers, the tool, and a CMake
# package so that find_package(TW_ConfigCTD) gives TW_ConfigCTD::tw_configctd.
include(CMakePackageConfigHelpers)

install(TARGETS tw_configctd tw-configctd
  EXPORT TW_ConfigCTDTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

foreach(folder platform core sensors instruments xmlfiles legacy ui)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${folder}/
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tw_configctd/${folder}
    FILES_MATCHING PATTERN "*.h" PATTERN "*.def")
endforeach()

set(TW_PACKAGE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/TW_ConfigCTD)
install(EXPORT TW_ConfigCTDTargets NAMESPACE TW_ConfigCTD:: DESTINATION ${TW_PACKAGE_DIR})
configure_package_config_file(cmake/TW_ConfigCTDConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/TW_ConfigCTDConfig.cmake
  INSTALL_DESTINATION ${TW_PACKAGE_DIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/TW_ConfigCTDConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/TW_ConfigCTDConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/TW_ConfigCTDConfigVersion.cmake
  DESTINATION ${TW_PACKAGE_DIR})
