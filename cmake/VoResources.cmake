# vo_add_resources(target script.rc): compiles a resource script with the
# project's resource compiler and links the tables into the target.
# (Filled in with tools/rc.)
function(vo_add_resources target script)
endfunction()
