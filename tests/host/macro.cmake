# The macro language: parser, interpreter and statements.
vo_add_test(macro_test
  macro_parser_test.cpp
  macro_interpreter_test.cpp
  macro_image_statements_test.cpp
  LIBS vohost_internal vo_test_support)

# End-to-end: every tests/scripts/*.mac played by the real voprof program
# with the test module, its output compared with the files next to it
# (see tests/scripts/run_case.cmake).
file(GLOB VO_SCRIPT_CASES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/scripts/*.mac)
foreach(case IN LISTS VO_SCRIPT_CASES)
  get_filename_component(case_name ${case} NAME_WE)
  add_test(NAME script.${case_name}
    COMMAND ${CMAKE_COMMAND} -DVOPROF=$<TARGET_FILE:voprof> -DMODULE=$<TARGET_FILE:vo_test_module>
            -DCASE=${case} -DWORK=${CMAKE_CURRENT_BINARY_DIR}/scripts/${case_name}
            -P ${PROJECT_SOURCE_DIR}/tests/scripts/run_case.cmake)
endforeach()

# The macro parser's fuzz target, run over its checked-in corpus (no libFuzzer
# needed), and under libFuzzer in a clang build with -DVO_LIBFUZZER=ON
# (run: macro_fuzzer tests/fuzz/corpus/macro).
set(VO_MACRO_FUZZ_DIR ${PROJECT_SOURCE_DIR}/tests/fuzz)
add_executable(macro_fuzz_corpus ${VO_MACRO_FUZZ_DIR}/macro_fuzz.cpp ${VO_MACRO_FUZZ_DIR}/macro_fuzz_corpus.cpp)
target_link_libraries(macro_fuzz_corpus PRIVATE vohost_internal)
vo_target_flags(macro_fuzz_corpus)
add_test(NAME macro_fuzz_corpus COMMAND macro_fuzz_corpus ${VO_MACRO_FUZZ_DIR}/corpus/macro)
if(VO_LIBFUZZER)
  add_executable(macro_fuzzer ${VO_MACRO_FUZZ_DIR}/macro_fuzz.cpp ${VO_MACRO_FUZZ_DIR}/macro_fuzz_libfuzzer.cpp)
  target_compile_options(macro_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_options(macro_fuzzer PRIVATE -fsanitize=fuzzer)
  target_link_libraries(macro_fuzzer PRIVATE vohost_internal)
endif()
