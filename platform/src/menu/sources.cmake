# Sources of platform/src/menu (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
)
