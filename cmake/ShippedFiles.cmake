# The plug-in as it ships: sstpnotify.dll, written to SHIPPED_OUTPUT_DIR (the
# outer build's folder) together with the host tool.
#
# Both files stand on Windows alone, from Windows 95 on any Pentium: code for
# the Pentium (i586), no C++ exceptions or run-time type information (their
# runtime is built for later processors), and no C runtime: they link only
# Windows' own DLLs, libgcc's stack probes and 64-bit division helpers, and
# runtime/, which starts them and supplies memory and the few library
# functions. Without the C runtime's start-up code there is no TLS directory,
# which Windows 95 refuses.
set(SHIPPED_OUTPUT_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where the shipped files go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${SHIPPED_OUTPUT_DIR})

add_compile_options($<$<COMPILE_LANGUAGE:CXX,C>:-march=pentium> $<$<COMPILE_LANGUAGE:CXX,C>:-mtune=generic>
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-exceptions> $<$<COMPILE_LANGUAGE:CXX>:-fno-rtti>
                    $<$<COMPILE_LANGUAGE:CXX>:-fno-threadsafe-statics>
                    $<$<COMPILE_LANGUAGE:CXX,C>:-fno-asynchronous-unwind-tables>)
set(CMAKE_CXX_STANDARD_LIBRARIES "")
set(CMAKE_C_STANDARD_LIBRARIES "")
file(GLOB runtime_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/runtime/*.cpp)
set(library_runtime ${runtime_sources})
list(REMOVE_ITEM library_runtime ${CMAKE_SOURCE_DIR}/runtime/ProgramStart.cpp
                                  ${CMAKE_SOURCE_DIR}/runtime/ConsoleOutput.cpp)
set(program_runtime ${runtime_sources})
list(REMOVE_ITEM program_runtime ${CMAKE_SOURCE_DIR}/runtime/LibraryStart.cpp)
# The runtime's own functions must not be turned back into calls of themselves.
set_source_files_properties(${runtime_sources} PROPERTIES COMPILE_OPTIONS
  "-ffreestanding;-fno-builtin;-fno-tree-loop-distribute-patterns")
set(shipped_link_options -nostdlib -static)
set(shipped_link_libraries ${system_libraries} gcc)

configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

add_library(sstpnotify SHARED
  plugin/LibraryMain.cpp
  ${core_sources}
  resources/sstpnotify.rc
  ${library_runtime}
  plugin/sstpnotify.def)
target_include_directories(sstpnotify PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(sstpnotify PRIVATE ${shipped_link_libraries})
target_link_options(sstpnotify PRIVATE ${shipped_link_options} -Wl,-e,_LibraryStart@12)
set_target_properties(sstpnotify PROPERTIES PREFIX "" OUTPUT_NAME sstpnotify)
set_source_files_properties(resources/sstpnotify.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/OptionsDialogs.rc;${CMAKE_SOURCE_DIR}/resources/TestNoticeTexts.rc;${CMAKE_SOURCE_DIR}/resources/ResourceIds.h;${CMAKE_BINARY_DIR}/generated/version.h")
target_link_options(sstpnotify PRIVATE $<$<CONFIG:Release>:-s>)
