# The chart control (CHARTW32) and the table control (TABLEW32).
vo_add_test(chart_tests
  chart_attr_test.cpp
  chart_data_test.cpp
  chart_picture_test.cpp
  chart_table_test.cpp
  chart_paint_test.cpp
  LIBS vohost_internal vo_test_support)

# The exports read back with independent tools (exports_check.py): the
# chart's SVG against its data and its rendering (rsvg-convert), the
# spreadsheet link's workbook (openpyxl). Debian's python3 sees Debian's
# python3-openpyxl, a python3 earlier on PATH may not.
find_program(VO_SYSTEM_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH)
foreach(export svg xlsx)
  add_test(NAME exports.${export}
    COMMAND ${VO_SYSTEM_PYTHON} ${CMAKE_CURRENT_SOURCE_DIR}/exports_check.py ${export}
            $<TARGET_FILE:voprof> $<TARGET_FILE:vo_test_module> ${CMAKE_CURRENT_BINARY_DIR}/exports/${export})
endforeach()
