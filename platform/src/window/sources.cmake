# Sources of platform/src/window (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/window/link_stubs.cpp
)
