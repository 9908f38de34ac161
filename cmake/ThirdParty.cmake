# Libraries that Debian ships only as source for Windows: built here from Debian's
# own source packages (unpacked into .deps/ by scripts/setup.sh) or /usr/src.

file(GLOB _tinyxml_dirs LIST_DIRECTORIES true ${NPB_DEPS_DIR}/tinyxml-*)
list(FILTER _tinyxml_dirs EXCLUDE REGEX "\\.(dsc|tar|gz|xz)")
list(GET _tinyxml_dirs 0 NPB_TINYXML_DIR)
if(NOT EXISTS ${NPB_TINYXML_DIR}/tinyxml.h)
  message(FATAL_ERROR "TinyXML sources not found in ${NPB_DEPS_DIR}; run scripts/setup.sh")
endif()
add_library(tinyxml STATIC
  ${NPB_TINYXML_DIR}/tinyxml.cpp ${NPB_TINYXML_DIR}/tinystr.cpp
  ${NPB_TINYXML_DIR}/tinyxmlerror.cpp ${NPB_TINYXML_DIR}/tinyxmlparser.cpp)
target_include_directories(tinyxml SYSTEM PUBLIC ${NPB_TINYXML_DIR})
target_compile_definitions(tinyxml PUBLIC TIXML_USE_STL)
# Debian's sources, so their warnings are not ours to mend; the sanitizers still apply.
target_compile_options(tinyxml PRIVATE -w ${NPB_SANITIZE})

if(BUILD_TESTING)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/_deps/googletest EXCLUDE_FROM_ALL)
endif()

file(GLOB _benchmark_dirs LIST_DIRECTORIES true ${NPB_DEPS_DIR}/benchmark-*)
list(FILTER _benchmark_dirs EXCLUDE REGEX "\\.(dsc|tar|gz|xz)")
if(_benchmark_dirs AND NOT NPB_NATIVE)
  list(GET _benchmark_dirs 0 NPB_BENCHMARK_DIR)
  set(BENCHMARK_ENABLE_TESTING OFF CACHE BOOL "" FORCE)
  set(BENCHMARK_ENABLE_GTEST_TESTS OFF CACHE BOOL "" FORCE)
  set(BENCHMARK_ENABLE_WERROR OFF CACHE BOOL "" FORCE)
  set(BENCHMARK_ENABLE_INSTALL OFF CACHE BOOL "" FORCE)
  set(BENCHMARK_ENABLE_LIBPFM OFF CACHE BOOL "" FORCE)
  # Debian takes the version from its changelog instead of git; give it the same.
  string(REGEX MATCH "[0-9]+\\.[0-9]+\\.[0-9]+" GIT_VERSION ${NPB_BENCHMARK_DIR})
  add_subdirectory(${NPB_BENCHMARK_DIR} ${CMAKE_BINARY_DIR}/_deps/benchmark EXCLUDE_FROM_ALL)
endif()
