# Tests of platform/src/controls: static, button, list box and edit.
vo_add_test(controls_test
  controls_button_test.cpp
  controls_button_paint_test.cpp
  controls_edit_test.cpp
  controls_listbox_test.cpp
  controls_static_test.cpp
  LIBS voplatform_internal vo_test_support)
