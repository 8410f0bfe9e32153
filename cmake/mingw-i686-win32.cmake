# The toolchain of what ships (the plug-in and the host tool): the same GCC
# with the win32 thread model, whose headers bring no POSIX-threads layer
# (cmake/ShippedFiles.cmake links no runtime library at all). The tests need
# the POSIX-thread variant (std::mutex, GoogleTest) and use mingw-i686.cmake.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-i686.cmake)

set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-win32)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-win32)
