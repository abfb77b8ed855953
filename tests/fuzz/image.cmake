# Fuzz targets of the image decoders (TIFF, PNG, PNM).
foreach(format tiff png pnm)
  vo_add_fuzz_target(${format} ${VO_FUZZ_DIR}/${format}_fuzz.cpp LIBS vohost_internal)
endforeach()
