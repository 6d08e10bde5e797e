// The calculation behind Calculate without the widgets: dosecalc::calculate reads the six texts,
// validates them, computes the dose and classifies it, exactly as Button1Click has it done.
#include "calculation.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

struct Press {
    const char* name;
    std::u16string iodine131 = u"0";
    std::u16string caesium137 = u"0";
    std::u16string caesium134 = u"0";
    std::u16string intake = u"1";
    std::u16string sievertRate = u"0";
    std::u16string grayRate = u"0";
    int route = dosecalc::foodRoute;
};

void calculate(benchmark::State& state, const Press& press)
{
    dosecalc::CalculationInput input;
    input.iodine131 = press.iodine131;
    input.caesium137 = press.caesium137;
    input.caesium134 = press.caesium134;
    input.intake = press.intake;
    input.sievertRate = press.sievertRate;
    input.grayRate = press.grayRate;
    input.route = press.route;
    for (auto _ : state) {
        dosecalc::CalculationOutcome outcome = dosecalc::calculate(input);
        benchmark::DoNotOptimize(outcome);
    }
}

const Press presses[] = {
    {"start values", u"0", u"0", u"0", u"1", u"0", u"0", dosecalc::foodRoute},
    {"air route, I-131 1000, 0.114 uSv/h", u"1000", u"0", u"0", u"1", u"0.114", u"0", dosecalc::airRoute},
    {"food route, every field", u"120", u"85.5", u"3e2", u"2.5", u"0.35", u"0.1", dosecalc::foodRoute},
    {"full-width digits and blanks", u"　１２．５　", u"０", u"０", u"１", u"０．１１４", u"０", dosecalc::foodRoute},
    {"refused: letters in the first field", u"abc", u"0", u"0", u"1", u"0", u"0", dosecalc::foodRoute},
    {"refused: too large (1e308 terms)", u"1e308", u"1e308", u"0", u"1e308", u"0", u"0", dosecalc::foodRoute},
    {"400-digit numeral", u"0", u"0", u"0", u"1", u"0." + std::u16string(400, u'0') + u"1", u"0",
     dosecalc::foodRoute},
};

} // namespace

int main(int argc, char* argv[])
{
    for (const Press& press : presses)
        benchmark::RegisterBenchmark((std::string("calculate/") + press.name).c_str(),
                                     [&press](benchmark::State& state) { calculate(state, press); });
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
