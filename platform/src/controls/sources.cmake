# Sources of platform/src/controls (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/controls/button.cpp
  src/controls/button_paint.cpp
  src/controls/control_draw.cpp
  src/controls/control_state.cpp
  src/controls/edit.cpp
  src/controls/edit_view.cpp
  src/controls/listbox.cpp
  src/controls/listbox_view.cpp
  src/controls/register.cpp
  src/controls/static_control.cpp
)
