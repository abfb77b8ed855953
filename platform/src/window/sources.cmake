# Sources of platform/src/window (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/window/activation.cpp
  src/window/classes.cpp
  src/window/defwindow.cpp
  src/window/geometry.cpp
  src/window/input.cpp
  src/window/menu_keys.cpp
  src/window/menubar.cpp
  src/window/messages.cpp
  src/window/nonclient.cpp
  src/window/paint.cpp
  src/window/position.cpp
  src/window/screen.cpp
  src/window/screen_changes.cpp
  src/window/window.cpp
)
