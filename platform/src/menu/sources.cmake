# Sources of platform/src/menu (paths relative to platform/).
list(APPEND VO_PLATFORM_SOURCES
  src/menu/menu_api.cpp
  src/menu/menu_items.cpp
  src/menu/menu_store.cpp
)
