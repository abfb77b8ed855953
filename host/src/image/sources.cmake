# Images, image files, PIXBUF32 and SCALER32 (paths relative to host/).
list(APPEND VO_HOST_SOURCES
  src/core/image.cpp
  src/core/file_mapping.cpp
  src/core/zeroed_memory.cpp
  src/core/image_store.cpp
  src/core/progress.cpp
  src/core/region.cpp
  src/image/calibration.cpp
  src/image/image_file.cpp
  src/image/length_units.cpp
  src/image/pixel_storage.cpp
  src/image/png_reader.cpp
  src/image/png_writer.cpp
  src/image/pnm_reader.cpp
  src/image/pnm_writer.cpp
  src/image/synthetic_image.cpp
  src/image/tiff_calibration.cpp
  src/image/tiff_io.cpp
  src/image/tiff_pixels.cpp
  src/image/tiff_reader.cpp
  src/image/tiff_writer.cpp
  src/libs/pixbuf32.cpp
  src/libs/scaler32.cpp)
