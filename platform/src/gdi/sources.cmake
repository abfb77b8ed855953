# Sources of platform/src/gdi (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/gdi/bitmap.cpp
  src/gdi/blit.cpp
  src/gdi/dc.cpp
  src/gdi/dc_attributes.cpp
  src/gdi/dib.cpp
  src/gdi/draw_text.cpp
  src/gdi/fills.cpp
  src/gdi/icon.cpp
  src/gdi/lines.cpp
  src/gdi/objects.cpp
  src/gdi/paint.cpp
  src/gdi/rect.cpp
  src/gdi/shapes.cpp
  src/gdi/stock_objects.cpp
  src/gdi/sys_colors.cpp
  src/gdi/text.cpp
  src/gdi/text_layout.cpp
  src/gdi/window_dc.cpp
)
