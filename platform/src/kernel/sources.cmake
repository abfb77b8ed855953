# Sources of platform/src/kernel (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
