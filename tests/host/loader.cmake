# The test module: a stand-in plug-in (tests only) that logs what it receives,
# and a copy of it built without MacroExecFunction.
function(vo_add_test_module name)
  add_library(${name} SHARED ${CMAKE_CURRENT_SOURCE_DIR}/test_module/test_module.cpp)
  target_link_libraries(${name} PRIVATE vohost voplatform_internal)
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden)
  vo_target_flags(${name})
endfunction()
vo_add_test_module(vo_test_module)
vo_add_test_module(vo_test_module_partial)
target_compile_definitions(vo_test_module_partial PRIVATE VO_TEST_MODULE_WITHOUT_MACRO_EXEC)

# The loader: loading, entry points, DllMain's attach and detach.
vo_add_test(loader_test
  loader_plugin_module_test.cpp
  LIBS vohost_internal voplatform_internal vo_test_support)
target_compile_definitions(loader_test PRIVATE
  VO_TEST_MODULE="$<TARGET_FILE:vo_test_module>"
  VO_TEST_MODULE_PARTIAL="$<TARGET_FILE:vo_test_module_partial>")
add_dependencies(loader_test vo_test_module vo_test_module_partial)
