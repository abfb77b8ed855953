# The host window, image windows and client hooks (paths relative to host/).
list(APPEND VO_HOST_SOURCES
  src/window/client_hooks.cpp
  src/window/host_query.cpp
  src/window/host_window.cpp
  src/window/image_notices.cpp
  src/window/image_paint.cpp
  src/window/image_views.cpp
  src/window/image_window.cpp
  src/window/image_window_proc.cpp
  src/window/view_cache.cpp)
