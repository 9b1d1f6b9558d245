# Warnings for the project's own targets; third-party headers come in as system includes.
function(kanvo_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wimplicit-fallthrough -Wcast-qual -Wformat=2)
  if(KANVO_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
