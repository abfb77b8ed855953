# Sources of platform/src/raster (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
