# vo_target_flags(target): the project's compiler flags for one target.
function(vo_target_flags target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

if(VO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
