# The plug-in as it ships: sstpnotify.dll, written to SHIPPED_OUTPUT_DIR (the
# outer build's folder) together with the host tool.
set(SHIPPED_OUTPUT_DIR ${CMAKE_BINARY_DIR} CACHE PATH "Where the shipped files go")
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${SHIPPED_OUTPUT_DIR})

configure_file(resources/version.h.in ${CMAKE_BINARY_DIR}/generated/version.h @ONLY)

add_library(sstpnotify SHARED
  plugin/LibraryMain.cpp
  ${core_sources}
  resources/sstpnotify.rc
  plugin/sstpnotify.def)
target_include_directories(sstpnotify PRIVATE ${CMAKE_SOURCE_DIR} ${CMAKE_BINARY_DIR}/generated)
target_link_libraries(sstpnotify PRIVATE ${system_libraries})
set_target_properties(sstpnotify PROPERTIES PREFIX "" OUTPUT_NAME sstpnotify)
set_source_files_properties(resources/sstpnotify.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/resources/OptionsDialogs.rc;${CMAKE_SOURCE_DIR}/resources/TestNoticeTexts.rc;${CMAKE_SOURCE_DIR}/resources/ResourceIds.h;${CMAKE_BINARY_DIR}/generated/version.h")
target_link_options(sstpnotify PRIVATE $<$<CONFIG:Release>:-s>)
