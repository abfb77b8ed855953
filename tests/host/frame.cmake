# The host window as the desktop frame: menus, dialogs, status line, macro files.
vo_add_test(host_frame_test frame_test_support.cpp frame_commands_test.cpp frame_status_test.cpp
  frame_macro_test.cpp LIBS vohost_internal vo_test_support)
