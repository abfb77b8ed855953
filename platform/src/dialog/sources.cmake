# Sources of platform/src/dialog (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/dialog/dialog.cpp
  src/dialog/dialog_items.cpp
  src/dialog/dialog_keys.cpp
  src/dialog/message_box.cpp
  src/dialog/message_box_dialog.cpp
)
