# Tests of images, image files, PIXBUF32 and SCALER32. The image tests write
# their files with libtiff and libpng directly, independently of the host.
find_package(TIFF REQUIRED)
vo_add_test(image_test
  image_test_support.cpp
  image_tiff_test.cpp
  image_mapped_test.cpp
  image_pixel_array_test.cpp
  image_png_test.cpp
  image_pnm_test.cpp
  image_broken_test.cpp
  image_store_test.cpp
  image_progress_test.cpp
  LIBS vohost_internal TIFF::TIFF PNG::PNG)
vo_add_test(pixbuf_test
  pixbuf_memory_test.cpp
  pixbuf_image_test.cpp
  LIBS vohost_internal)
vo_add_test(scaler_test scaler_calibration_test.cpp LIBS vohost_internal)

include(${PROJECT_SOURCE_DIR}/tests/fuzz/image.cmake)
