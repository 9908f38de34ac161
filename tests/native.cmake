# The window-free code built a second time, natively with clang, ASan and UBSan. Its
# tests join this build's CTest run through the native build's own test files.
include(ExternalProject)
option(NPB_WITH_NATIVE "Also build and test the window-free code natively with sanitizers" ON)
if(NPB_WITH_NATIVE)
  set(NPB_NATIVE_DIR ${CMAKE_BINARY_DIR}/native)
  ExternalProject_Add(native
    SOURCE_DIR ${CMAKE_SOURCE_DIR}
    BINARY_DIR ${NPB_NATIVE_DIR}
    CMAKE_ARGS -DNPB_NATIVE=ON -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
               -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNPB_DEPS_DIR=${NPB_DEPS_DIR}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON
    USES_TERMINAL_BUILD ON)
  file(WRITE ${CMAKE_BINARY_DIR}/native-tests.cmake
       "if(EXISTS \"${NPB_NATIVE_DIR}/tests/CTestTestfile.cmake\")\n"
       "  include(\"${NPB_NATIVE_DIR}/tests/CTestTestfile.cmake\")\n"
       "endif()\n")
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR} APPEND PROPERTY TEST_INCLUDE_FILES
               ${CMAKE_BINARY_DIR}/native-tests.cmake)
endif()
