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

# The INI parser's fuzz target (tests/fuzz/ini_fuzz.cpp).
vo_add_fuzz_target(ini ${VO_FUZZ_DIR}/ini_fuzz.cpp LIBS voplatform_internal)
