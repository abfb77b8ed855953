# The plug-in loader (paths relative to host/). It asks the platform's
# resource registry for a module's instance handle, an internal header of the
# platform that only this file needs.
list(APPEND VO_HOST_SOURCES src/loader/plugin_module.cpp)
set_source_files_properties(src/loader/plugin_module.cpp PROPERTIES
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/platform/src)
