# GDI, rasteriser, text and PNG tests.
vo_add_test(gdi_tests
  gdi_blit_test.cpp
  gdi_lines_test.cpp
  gdi_objects_test.cpp
  gdi_png_test.cpp
  gdi_rect_test.cpp
  gdi_shapes_test.cpp
  gdi_text_layout_test.cpp
  gdi_text_test.cpp
  gdi_window_dc_test.cpp
  LIBS voplatform_internal PNG::PNG)
vo_add_test(raster_tests
  raster_ellipse_test.cpp
  raster_line_test.cpp
  raster_pixels_test.cpp
  raster_rop_test.cpp
  raster_stretch_test.cpp
  LIBS voplatform_internal)

# A speed check of image display and text (not registered with CTest).
find_package(benchmark QUIET)
if(benchmark_FOUND)
  add_executable(gdi_benchmark gdi_blit_benchmark.cpp)
  target_link_libraries(gdi_benchmark PRIVATE benchmark::benchmark voplatform_internal)
  vo_target_flags(gdi_benchmark)
endif()
