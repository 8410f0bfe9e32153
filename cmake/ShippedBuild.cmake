# Builds what ships with the win32-thread toolchain, as an inner build in
# shipped/, and puts sstpnotify.dll and host.exe into this build's folder.
# The tests load exactly that DLL.
include(ExternalProject)

set(SHIPPED_DLL ${CMAKE_BINARY_DIR}/sstpnotify.dll)
set(SHIPPED_HOST ${CMAKE_BINARY_DIR}/host.exe)

ExternalProject_Add(shipped
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${CMAKE_BINARY_DIR}/shipped
  CMAKE_GENERATOR ${CMAKE_GENERATOR}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686-win32.cmake
    -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
    -DSSTPNOTIFY_SHIPPED_ONLY=ON
    -DSHIPPED_OUTPUT_DIR=${CMAKE_BINARY_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${SHIPPED_DLL} ${SHIPPED_HOST})
