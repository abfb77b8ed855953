# Sampling, colour models, statistics (BINSUM32) and shapes (ROIKIT32).
vo_add_test(sampling_tests
  sampling_colour_test.cpp sampling_line_test.cpp sampling_stats_test.cpp
  LIBS vohost_internal)
vo_add_test(roikit_tests roikit_ellipse_test.cpp roikit_shape_test.cpp LIBS vohost_internal)
