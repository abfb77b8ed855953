# Sources of platform/src/raster (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/raster/blend.cpp
  src/raster/dib.cpp
  src/raster/ellipse.cpp
  src/raster/fallback_font.cpp
  src/raster/font_engine.cpp
  src/raster/line.cpp
  src/raster/mask.cpp
  src/raster/pixel_rows.cpp
  src/raster/png_writer.cpp
  src/raster/rectangle.cpp
  src/raster/rop.cpp
  src/raster/span.cpp
  src/raster/stretch.cpp
)
