# Profile sampling, colour models, statistics and shapes (BINSUM32, ROIKIT32).
list(APPEND VO_HOST_SOURCES
  src/sampling/colour_model.cpp
  src/sampling/ellipse_outline.cpp
  src/sampling/line_path.cpp
  src/sampling/line_reader.cpp
  src/sampling/profile_reader.cpp
  src/sampling/shape_store.cpp
  src/sampling/value_stats.cpp
  src/libs/binsum32.cpp
  src/libs/roikit32.cpp)
