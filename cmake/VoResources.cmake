# vo_add_resources(target script.rc [INCLUDE_DIRS dir...])
#
# Compiles a Win32 resource script with the project's resource compiler
# (tools/rc, target vorc) into a C++ source in the build tree and adds that
# source to the target, which also gets voplatform_internal (PRIVATE) for the
# header the generated code includes. vorc writes a depfile, so the source is
# regenerated when the script, a header it includes or an icon or cursor file
# it names changes.
#
# The generated code registers the tables at static initialisation under the
# instance handle of the module it is linked into, and nothing refers to it by
# name. It must therefore be compiled into the final executable or shared
# module: inside a static library the linker would drop the unreferenced
# object and the module would have no resources.
function(vo_add_resources target script)
  cmake_parse_arguments(RES "" "" "INCLUDE_DIRS" ${ARGN})
  get_filename_component(script_path "${script}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
  get_filename_component(script_name "${script}" NAME_WE)
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_${script_name}_rc.cpp")
  set(include_args "")
  foreach(dir IN LISTS RES_INCLUDE_DIRS)
    get_filename_component(dir "${dir}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_SOURCE_DIR}")
    list(APPEND include_args "-I" "${dir}")
  endforeach()
  add_custom_command(
    OUTPUT "${output}"
    COMMAND vorc "${script_path}" -o "${output}" --depfile "${output}.d" ${include_args}
    DEPENDS vorc "${script_path}"
    DEPFILE "${output}.d"
    COMMENT "Compiling resource script ${script}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
  target_link_libraries(${target} PRIVATE voplatform_internal)
endfunction()
