# ASan + UBSan (+ LSan, which ASan brings on Linux) for the whole build when DOSECALC_SANITIZE is on.
# Any UBSan finding aborts, so a report always fails the test that triggered it.
if(DOSECALC_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
