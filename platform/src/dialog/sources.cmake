# Sources of platform/src/dialog (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
