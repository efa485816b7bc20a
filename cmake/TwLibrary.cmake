# tw_add_library(NAME SOURCES... [LINKS targets...])
# A folder's objects, whose headers are included as "folder/Header.h". The
# shared library tw_configctd is made of every folder's objects, so that the
# run-time class records of all classes are in it even when no code names them.
function(tw_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} OBJECT ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC "$<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>")
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
endfunction()

# tw_add_test(NAME SOURCES...): one GoogleTest program over the whole library.
function(tw_add_test name)
  add_executable(${name} ${ARGN} ${PROJECT_SOURCE_DIR}/tests/support/XmlFixture.cpp)
  target_link_libraries(${name} PRIVATE tw_configctd GTest::gtest GTest::gtest_main)
  target_include_directories(${name} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "TW_CONFIGCTD_LOG=${CMAKE_BINARY_DIR}/test-diagnostics.log")
endfunction()
