# Exact arithmetic: every formula is rounded operation by operation, so no
# contraction into fused multiply-adds and no fast-math.
function(qichun_set_options target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
    -Wold-style-cast -Wnon-virtual-dtor
    -ffp-contract=off -fno-fast-math)
  if(QICHUN_SANITIZE)
    target_compile_options(${target} PRIVATE
      -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# Test and tool targets link the sanitizer runtime as well when it is on.
function(qichun_link_sanitizers target)
  if(QICHUN_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
