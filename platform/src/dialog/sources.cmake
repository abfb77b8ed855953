# Sources of platform/src/dialog (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/dialog/dialog.cpp
  src/dialog/dialog_items.cpp
)
