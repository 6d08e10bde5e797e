// The fuzz target: arbitrary bytes as one press of Calculate (fuzz_input.h), run through the
// calculation with its invariants checked. libFuzzer calls it in the clang build; the corpus
// replay calls it in every build.
#include "calculation_invariants.h"
#include "fuzz_input.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzzinput::checkCalculation(fuzzinput::splitBytes(data, size));
    return 0;
}
