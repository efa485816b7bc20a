# What the installed expat offers, asked of the library itself rather than of
# its version macros: distributions backport features (reparse deferral came
# to some 2.5.0 packages with a security update) without raising the version.
include(CheckSymbolExists)
include(CMakePushCheckState)

cmake_push_check_state(RESET)
set(CMAKE_REQUIRED_LIBRARIES EXPAT::EXPAT)
set(CMAKE_REQUIRED_QUIET ON)
check_symbol_exists(XML_SetReparseDeferralEnabled "expat.h" TW_HAVE_XML_REPARSE_DEFERRAL)
cmake_pop_check_state()
message(STATUS "expat reparse deferral switch: ${TW_HAVE_XML_REPARSE_DEFERRAL}")
