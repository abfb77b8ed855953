# The host window, image windows and the client-hook protocol.
vo_add_test(host_window_tests window_test_support.cpp hostmsg_hook_test.cpp hostmsg_query_test.cpp
  window_image_test.cpp window_view_limits_test.cpp
  window_view_cache_test.cpp window_display_range_test.cpp LIBS vohost_internal vo_test_support)
