# MISCFN32 and REPGEN32.
vo_add_test(host_miscfn_tests window_test_support.cpp miscfn_lib_test.cpp LIBS vohost_internal vo_test_support)
target_compile_definitions(host_miscfn_tests PRIVATE VO_VERSION="${PROJECT_VERSION}")
vo_add_test(host_repgen_tests repgen_report_test.cpp LIBS vohost_internal vo_test_support)
