// The calculation behind Calculate without the widgets: dosecalc::calculate reads the six texts,
// validates them, computes the dose and classifies it, exactly as Button1Click has it done.
#include "calculation.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

struct Press {
    const char* name;
    dosecalc::CalculationInput input; // the start values but for the fields named
};

void calculate(benchmark::State& state, const Press& press)
{
    for (auto _ : state) {
        dosecalc::CalculationOutcome outcome = dosecalc::calculate(press.input);
        benchmark::DoNotOptimize(outcome);
    }
}

// The six field texts as typed, in the window's order (I-131, Cs-137, Cs-134, intake, Sv/h, Gy/h);
// the food route and micro prefixes.
dosecalc::CalculationInput typed(const std::array<std::u16string_view, 6>& fields)
{
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5]};
}

const std::u16string longNumeral = u"0." + std::u16string(400, u'0') + u"1";

const Press presses[] = {
    {"start values", {}},
    {"air route, I-131 1000, 0.114 uSv/h",
     {.iodine131 = u"1000", .sievertRate = u"0.114", .route = dosecalc::airRoute}},
    {"food route, every field", typed({u"120", u"85.5", u"3e2", u"2.5", u"0.35", u"0.1"})},
    {"full-width digits and blanks",
     typed({u"　１２．５　", u"０", u"０", u"１", u"０．１１４", u"０"})},
    {"refused: letters in the first field", {.iodine131 = u"abc"}},
    {"refused: too large (1e308 terms)",
     {.iodine131 = u"1e308", .caesium137 = u"1e308", .intake = u"1e308"}},
    {"400-digit numeral", {.sievertRate = longNumeral}},
};

} // namespace

int main(int argc, char* argv[])
{
    for (const Press& press : presses)
        benchmark::RegisterBenchmark(
            (std::string("calculate/") + press.name).c_str(),
            [&press](benchmark::State& state) { calculate(state, press); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
