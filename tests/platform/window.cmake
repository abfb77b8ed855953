# Window manager, dialogs and menu bar.
vo_add_test(platform_window_test
  window_fixture.cpp
  window_show_test.cpp
  window_input_test.cpp
  window_paint_test.cpp
  window_lifecycle_test.cpp
  window_limits_test.cpp
  dialog_test.cpp
  dialog_message_box_test.cpp
  menubar_test.cpp
  LIBS voplatform_internal vo_test_support)
