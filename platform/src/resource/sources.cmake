# Sources of platform/src/resource (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
