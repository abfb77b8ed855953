# Fuzz targets of the image decoders (TIFF, PNG, PNM). Under CTest each replays
# its checked-in corpus (tests/fuzz/corpus/<format>/), so no libFuzzer is needed.
set(VO_IMAGE_FUZZ_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz)
foreach(format tiff png pnm)
  add_executable(${format}_fuzz_corpus ${VO_IMAGE_FUZZ_DIR}/${format}_fuzz.cpp
                                       ${VO_IMAGE_FUZZ_DIR}/image_fuzz_corpus.cpp)
  target_include_directories(${format}_fuzz_corpus PRIVATE ${VO_IMAGE_FUZZ_DIR})
  target_link_libraries(${format}_fuzz_corpus PRIVATE vohost_internal)
  vo_target_flags(${format}_fuzz_corpus)
  add_test(NAME ${format}_fuzz_corpus COMMAND ${format}_fuzz_corpus ${VO_IMAGE_FUZZ_DIR}/corpus/${format})

  # The same target under libFuzzer, for a clang build configured with
  # -DVO_LIBFUZZER=ON (run: tiff_fuzzer tests/fuzz/corpus/tiff).
  if(VO_LIBFUZZER)
    add_executable(${format}_fuzzer ${VO_IMAGE_FUZZ_DIR}/${format}_fuzz.cpp)
    target_include_directories(${format}_fuzzer PRIVATE ${VO_IMAGE_FUZZ_DIR})
    target_compile_options(${format}_fuzzer PRIVATE -fsanitize=fuzzer)
    target_link_options(${format}_fuzzer PRIVATE -fsanitize=fuzzer)
    target_link_libraries(${format}_fuzzer PRIVATE vohost_internal)
  endif()
endforeach()
