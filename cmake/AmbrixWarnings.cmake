# Warnings are errors on our own targets; numeric code also gets -Wconversion.
function(ambrix_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

function(ambrix_numeric_warnings target)
  ambrix_warnings(${target})
  target_compile_options(${target} PRIVATE -Wconversion -Wsign-conversion)
endfunction()
