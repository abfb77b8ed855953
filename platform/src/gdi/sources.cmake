# Sources of platform/src/gdi (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
