# Every double operation must round once, to double, as IEEE 754 says: no
# fused multiply-add and, on 32-bit x86, SSE2 instead of the x87 unit, whose
# 80-bit registers round twice.
add_compile_options(-ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$")
  add_compile_options(-msse2 -mfpmath=sse)
endif()
