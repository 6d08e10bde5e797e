# Project-wide warning flags: every target of ours gets them through dosecalc_warnings.
add_library(dosecalc_warnings INTERFACE)
target_compile_options(dosecalc_warnings INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
  -Wnon-virtual-dtor -Wold-style-cast -Wcast-align -Woverloaded-virtual
  -Wnull-dereference -Wdouble-promotion -Wformat=2 -Wimplicit-fallthrough)
if(DOSECALC_WERROR)
  target_compile_options(dosecalc_warnings INTERFACE -Werror)
endif()
