# The chart control (CHARTW32) and the table control (TABLEW32), paths
# relative to host/. Pictures read the pixels of their bitmap, and the
# spreadsheet link's options dialog is built from a template, through
# internal headers of the platform that only those files need.
list(APPEND VO_HOST_SOURCES
  src/chart/chart_api.cpp
  src/chart/chart_attr.cpp
  src/chart/chart_axes.cpp
  src/chart/chart_canvas_gdi.cpp
  src/chart/chart_content.cpp
  src/chart/chart_fonts.cpp
  src/chart/chart_frame.cpp
  src/chart/chart_layout.cpp
  src/chart/chart_legend.cpp
  src/chart/chart_paint.cpp
  src/chart/chart_picture.cpp
  src/chart/chart_plot_lines.cpp
  src/chart/chart_store.cpp
  src/chart/chart_svg.cpp
  src/chart/chart_ticks.cpp
  src/chart/dde_settings.cpp
  src/chart/dde_sheet.cpp
  src/chart/dde_workbook.cpp
  src/chart/plot_attr.cpp
  src/chart/plot_data.cpp
  src/chart/table_dde.cpp
  src/chart/table_dde_options.cpp
  src/chart/table_grid.cpp
  src/chart/table_window.cpp)
set_source_files_properties(src/chart/chart_picture.cpp src/chart/table_dde_options.cpp PROPERTIES
  INCLUDE_DIRECTORIES ${PROJECT_SOURCE_DIR}/platform/src)
