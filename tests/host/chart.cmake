# The chart control (CHARTW32) and the table control (TABLEW32).
vo_add_test(chart_tests
  chart_handles_test.cpp
  chart_attr_test.cpp
  chart_data_test.cpp
  chart_picture_test.cpp
  chart_table_test.cpp
  chart_paint_test.cpp
  LIBS vohost_internal vo_test_support)
