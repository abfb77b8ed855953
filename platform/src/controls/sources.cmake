# Sources of platform/src/controls (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
