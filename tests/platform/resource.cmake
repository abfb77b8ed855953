# Tests of the resource compiler (tools/rc) and of the platform's resource look-ups.

# The compiler's library directly, and the vorc command as a subprocess.
vo_add_test(rc_compiler_test
  rc_parser_test.cpp
  rc_icon_test.cpp
  rc_command_test.cpp
  rc_robustness_test.cpp
  LIBS vorc_lib PNG::PNG)
target_compile_definitions(rc_compiler_test PRIVATE
  VORC_PATH="$<TARGET_FILE:vorc>"
  VO_TEST_DATA_DIR="${PROJECT_SOURCE_DIR}/tests/data")
add_dependencies(rc_compiler_test vorc)

# A module's resources end to end: module.rc compiled by vorc and linked in.
vo_add_test(resource_test
  resource_module_test.cpp
  resource_cursor_test.cpp
  LIBS voplatform_internal)
vo_add_resources(resource_test ${PROJECT_SOURCE_DIR}/tests/data/rc/module.rc)
