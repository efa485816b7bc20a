# cmake --install: the library, its public headers, the tool, and a CMake
# package so that find_package(TW_ConfigCTD) gives TW_ConfigCTD::tw_configctd.
include(CMakePackageConfigHelpers)

install(TARGETS tw_configctd tw-configctd
  EXPORT TW_ConfigCTDTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The headers a host program includes: the instrument and sensor classes and
# their IDs, the catalogue, the configuration-file functions and their result
# record, the sensor files and the archive form; with them every header of
# this project that they include, found by following their includes.
file(GLOB tw_model_headers RELATIVE ${PROJECT_SOURCE_DIR} CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/instruments/*.h ${PROJECT_SOURCE_DIR}/sensors/*.h)
list(REMOVE_ITEM tw_model_headers instruments/NmeaElements.h)
set(tw_public_headers ${tw_model_headers}
  core/Catalogue.h core/NullSensor.h core/SensorArrayArchive.h
  legacy/ConFile.h platform/IOResult.h platform/MessageBox.h
  xmlfiles/CTDImportExport.h xmlfiles/PreReadConFile.h xmlfiles/SensorImportExport.h
  xmlfiles/SensorHeaderInsert.h)

set(tw_installed_headers)
while(tw_public_headers)
  list(POP_FRONT tw_public_headers header)
  if(header IN_LIST tw_installed_headers)
    continue()
  endif()
  list(APPEND tw_installed_headers ${header})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${header})
  file(STRINGS ${PROJECT_SOURCE_DIR}/${header} includes REGEX "^[ \t]*#[ \t]*include \"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*" "\\1" included "${line}")
    list(APPEND tw_public_headers ${included})
  endforeach()
endwhile()
foreach(header IN LISTS tw_installed_headers)
  cmake_path(GET header PARENT_PATH folder)
  install(FILES ${PROJECT_SOURCE_DIR}/${header}
    DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/tw_configctd/${folder})
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
