# make package: one Debian package of everything `cmake --install` installs,
# written as tw-configctd_VERSION_ARCH.deb in the build folder. Included last,
# so that it sees every target that the folders define.

# The documents Debian wants of every package, and the shell completion.
set(TW_PACKAGE_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/tw-configctd)
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^tw-configctd \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog begins with '${changelog_top}': "
    "its first entry must be the version ${PROJECT_VERSION}")
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND sh -c "gzip -9n < \"$0\" > \"$1\"" ${PROJECT_SOURCE_DIR}/packaging/changelog
          ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DEPENDS ${PROJECT_SOURCE_DIR}/packaging/changelog
  VERBATIM)
add_custom_target(package-changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  DESTINATION ${TW_PACKAGE_DOCDIR})
install(FILES ${PROJECT_SOURCE_DIR}/completion/tw-configctd.bash
  DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/bash-completion/completions RENAME tw-configctd)

set(TW_PACKAGE_MAINTAINER "TW_ConfigCTD developers <tw-configctd@tidewren.invalid>"
  CACHE STRING "The Maintainer of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tw-configctd)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${TW_PACKAGE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "configurations of oceanographic CTD instruments")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "The instrument-configuration library of a suite of programs for profiling
and moored CTDs, thermosalinographs and a glider payload CTD. It reads and
writes the XML configuration file (.xmlcon) and the legacy ASCII file
(.con), compares and copies configurations, moves one sensor's calibration
between a sensor file and a configuration, and prints the configuration
report.
.
The package holds the shared library with its headers and CMake package,
the command-line tool tw-configctd for scripts and pipelines, and the Qt
desktop program tw-configctd-gui.")
# The run-time packages that the programs and the library link, as
# dpkg-shlibdeps finds them; the library itself is in this package.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS ON)
# The library's cache is refreshed by dpkg's ldconfig trigger.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_SOURCE_DIR}/packaging/triggers)
if(TARGET tw_configctd_python)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS python3)
endif()
include(CPack)
