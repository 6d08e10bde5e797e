#pragma once

#include "fuzz_input.h"

namespace fuzzinput {

// Runs the press through dosecalc::calculate, as Button1Click does, and checks what the window
// relies on: every input gets a defined outcome, either one of the error messages, given only for
// the reason it names, or a result with a finite, non-negative dose, a level 0..8 that agrees with
// verdictLevel and the verdict table, a gauge position 0..110, and a dose text of at least six
// characters that reads back as the dose rounded to two decimals, and terms that add up to the
// dose with a breakdown that lists the ones that are not 0, largest first, each as the dose is
// printed, with shares of 0..100 % that add up to 100 % within their rounding. A broken invariant
// is printed with the input and aborts the process (a crash, for libFuzzer).
void checkCalculation(const PressOfCalculate& press);

} // namespace fuzzinput
