# Sources of platform/src/resource (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/resource/cursor.cpp
  src/resource/image_art.cpp
  src/resource/load_string.cpp
  src/resource/module_handle.cpp
  src/resource/registry.cpp
  src/resource/system_cursors.cpp
  src/resource/system_icons.cpp
)
