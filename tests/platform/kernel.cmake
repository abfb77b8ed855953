# Tests of platform/src/kernel: INI files, files and the safe writer, memory, strings, clipboard.
vo_add_test(kernel_test
  kernel_ini_test.cpp
  kernel_file_test.cpp
  kernel_safe_file_test.cpp
  kernel_memory_test.cpp
  kernel_string_test.cpp
  kernel_diagnostics_test.cpp
  clipboard_data_test.cpp
  LIBS voplatform_internal)

# The INI parser's fuzz target, run over its checked-in corpus (no libFuzzer needed).
set(VO_FUZZ_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz)
add_executable(ini_fuzz_corpus ${VO_FUZZ_DIR}/ini_fuzz.cpp ${VO_FUZZ_DIR}/ini_fuzz_corpus.cpp)
target_link_libraries(ini_fuzz_corpus PRIVATE voplatform_internal)
vo_target_flags(ini_fuzz_corpus)
add_test(NAME ini_fuzz_corpus COMMAND ini_fuzz_corpus ${VO_FUZZ_DIR}/corpus/ini)

# The same target under libFuzzer, for a clang build configured with
# -DVO_LIBFUZZER=ON (run: ini_fuzzer tests/fuzz/corpus/ini).
if(VO_LIBFUZZER)
  add_executable(ini_fuzzer ${VO_FUZZ_DIR}/ini_fuzz.cpp ${VO_FUZZ_DIR}/ini_fuzz_libfuzzer.cpp)
  target_compile_options(ini_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_options(ini_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_libraries(ini_fuzzer PRIVATE voplatform_internal)
endif()
