# The fuzzing build (DOSECALC_FUZZ): clang's libFuzzer. Every target gets libFuzzer's coverage
# instrumentation; the fuzzer executables link its driver with -fsanitize=fuzzer. Combine with
# DOSECALC_SANITIZE for AddressSanitizer and UndefinedBehaviorSanitizer.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "DOSECALC_FUZZ needs clang's libFuzzer: configure with "
                      "-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++")
endif()
add_compile_options(-fsanitize=fuzzer-no-link)

# clang's -Wdouble-promotion also reports widening double to long double, which the calculation
# does on purpose (its products are formed in extended precision); gcc's reports float to double
# only. The g++ builds keep the check.
target_compile_options(dosecalc_warnings INTERFACE -Wno-double-promotion)
