# Fuzz targets of the image decoders (TIFF from memory and from a file, PNG, PNM).
foreach(format tiff tiff_file png pnm)
  vo_add_fuzz_target(${format} ${VO_FUZZ_DIR}/${format}_fuzz.cpp LIBS vohost_internal)
endforeach()
