#include "dose_breakdown.h"
#include "calculation.h"
#include "dose_calculation.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <variant>
#include <vector>

namespace {

using dosecalc::airRoute;
using dosecalc::DoseInputs;
using dosecalc::DoseTerm;
using dosecalc::foodRoute;

std::size_t indexOf(DoseTerm term)
{
    return static_cast<std::size_t>(term);
}

// The terms of the five inputs below, worked out independently with exact rational arithmetic
// rounding every product to the 64-bit significand of x87 extended precision.
constexpr long double airIodine1000 = 0x1.59ba5e353f7cf184p+1L;        // 2.701
constexpr long double airCaesium137_1000 = 0x1.c7851eb851eb82ccp+3L;   // 14.235
constexpr long double airCaesium134_1000 = 0x1.d333333333333df6p+2L;   // 7.3
constexpr long double foodIodine2x100 = 0x1.9b22d0e560419808p+0L;      // 1.606
constexpr long double foodCaesium137_2x100 = 0x1.e5e353f7ced91ff0p-1L; // 0.949
constexpr long double foodCaesium134_2x100 = 0x1.63126e978d4fd2eap+0L; // 1.387
constexpr long double sievert0114Micro = 0x1.ff4dbdf8f4730932p-1L;     // 0.99864
constexpr long double gray1Milli = 8760.0L;

TEST(DoseBreakdown, EachTermAloneIsItsExtendedProductAndTheOthersAreZero)
{
    struct Case {
        const char* name;
        DoseInputs inputs;
        DoseTerm term;
        long double value;
    };
    const Case cases[] = {
        {"air I-131 1000",
         {.iodine131 = 1000, .intake = 5, .route = airRoute},
         DoseTerm::iodine131,
         airIodine1000},
        {"air Cs-137 1000",
         {.caesium137 = 1000, .intake = 5, .route = airRoute},
         DoseTerm::caesium137,
         airCaesium137_1000},
        {"air Cs-134 1000",
         {.caesium134 = 1000, .intake = 5, .route = airRoute},
         DoseTerm::caesium134,
         airCaesium134_1000},
        {"food 2 x I-131 100",
         {.iodine131 = 100, .intake = 2},
         DoseTerm::iodine131,
         foodIodine2x100},
        {"food 2 x Cs-137 100",
         {.caesium137 = 100, .intake = 2},
         DoseTerm::caesium137,
         foodCaesium137_2x100},
        {"food 2 x Cs-134 100",
         {.caesium134 = 100, .intake = 2},
         DoseTerm::caesium134,
         foodCaesium134_2x100},
        {"0.114 uSv/h", {.sievertRate = 0.114}, DoseTerm::sievertRate, sievert0114Micro},
        {"1 mGy/h", {.grayRate = 1, .grayUnit = 2}, DoseTerm::grayRate, gray1Milli},
    };
    for (const Case& c : cases) {
        const dosecalc::DoseBreakdown breakdown = dosecalc::doseBreakdown(c.inputs);
        for (std::size_t index = 0; index < dosecalc::doseTermCount; ++index)
            EXPECT_EQ(breakdown.terms[index], index == indexOf(c.term) ? c.value : 0.0L)
                << c.name << " term " << index;
        EXPECT_EQ(breakdown.dose, static_cast<double>(c.value)) << c.name;
        EXPECT_EQ(dosecalc::annualDose(c.inputs), breakdown.dose) << c.name;
    }
}

TEST(DoseBreakdown, AllTermsTogetherOnEachRoute)
{
    struct Case {
        const char* name;
        DoseInputs inputs;
        dosecalc::DoseTerms terms;
        double dose; // worked out as the terms are: each sum rounded to double
    };
    // Every term at once: the three nuclides at one concentration, an intake of 2, 0.114 uSv/h and
    // 1 mGy/h.
    const auto everyTerm = [](int route, double concentration) {
        return DoseInputs{.iodine131 = concentration,
                          .caesium137 = concentration,
                          .caesium134 = concentration,
                          .intake = 2,
                          .sievertRate = 0.114,
                          .grayRate = 1,
                          .route = route,
                          .grayUnit = 2};
    };
    const Case cases[] = {
        {"food",
         everyTerm(foodRoute, 100),
         {foodIodine2x100, foodCaesium137_2x100, foodCaesium134_2x100, sievert0114Micro,
          gray1Milli},
         0x1.11e7866e43aa8p+13},
        {"air",
         everyTerm(airRoute, 1000),
         {airIodine1000, airCaesium137_1000, airCaesium134_1000, sievert0114Micro, gray1Milli},
         0x1.1289e08aefb2bp+13},
        {"no route: no concentration term",
         everyTerm(dosecalc::noRoute, 100),
         {0, 0, 0, sievert0114Micro, gray1Milli},
         0x1.11c7fd36f7e3dp+13},
        {"food with intake 0",
         {.iodine131 = 1e6, .caesium137 = 1e6, .caesium134 = 1e6, .intake = 0},
         {0, 0, 0, 0, 0},
         0.0},
    };
    for (const Case& c : cases) {
        const dosecalc::DoseBreakdown breakdown = dosecalc::doseBreakdown(c.inputs);
        for (std::size_t index = 0; index < dosecalc::doseTermCount; ++index)
            EXPECT_EQ(breakdown.terms[index], c.terms[index]) << c.name << " term " << index;
        EXPECT_EQ(breakdown.dose, c.dose) << c.name;
    }
}

// The sum the window shows, formed as a reader of the breakdown would check it: the terms added in
// order, each sum rounded to double.
double addedUp(const dosecalc::DoseTerms& terms)
{
    double sum = 0.0;
    for (const long double term : terms)
        sum = static_cast<double>(sum + term);
    return sum;
}

// The six field texts as typed, in the window's order (I-131, Cs-137, Cs-134, intake, Sv/h, Gy/h),
// with the route and the unit indices.
dosecalc::CalculationInput typed(const std::array<std::u16string_view, 6>& fields, int route,
                                 int sievertUnit, int grayUnit)
{
    return {fields[0], fields[1], fields[2],   fields[3], fields[4],
            fields[5], route,     sievertUnit, grayUnit};
}

TEST(DoseBreakdown, TheTermsAddUpToTheShownDose)
{
    struct Case {
        const char* name;
        dosecalc::CalculationInput input;
    };
    const Case cases[] = {
        {"start values", {}},
        {"air I-131 1000", {.iodine131 = u"1000", .route = airRoute}},
        {"food intake 2 Cs-137 100", {.caesium137 = u"100", .intake = u"2"}},
        {"1 uSv/h and 1 mGy/h", {.sievertRate = u"1", .grayRate = u"1", .grayUnit = 2}},
        {"0.114 uSv/h", {.sievertRate = u"0.114"}},
        {"food intake 0", typed({u"5", u"5", u"5", u"0", u"0.3", u"0.3"}, foodRoute, 0, 2)},
        {"air ignores a huge intake",
         typed({u"5", u"7", u"9", u"1e400", u"0.3", u"0.3"}, airRoute, 2, 0)},
        {"every term", typed({u"1.5", u"300", u"250", u"1.5", u"0.25", u"40"}, foodRoute, 1, 0)},
        {"large",
         typed({u"1e300", u"3e299", u"7e299", u"2e3", u"1e300", u"1e300"}, foodRoute, 2, 2)},
        {"next to the largest double",
         {.sievertRate = u"1e304", .grayRate = u"1e304", .sievertUnit = 2, .grayUnit = 2}},
        {"tiny",
         typed({u"1e-300", u"3e-310", u"5e-320", u"1e-5", u"1e-305", u"4e-320"}, foodRoute, 0, 0)},
        {"tinier than the dose can hold", {.sievertRate = u"5e-324", .sievertUnit = 0}},
        {"boundary 7000", {.grayRate = u"0.7990867579908676", .grayUnit = 2}},
    };
    for (const Case& c : cases) {
        const dosecalc::CalculationOutcome outcome = dosecalc::calculate(c.input);
        const auto* result = std::get_if<dosecalc::CalculationResult>(&outcome);
        ASSERT_NE(result, nullptr) << c.name;
        EXPECT_EQ(addedUp(result->terms), result->dose) << c.name;
        for (const long double term : result->terms)
            EXPECT_GE(term, 0.0L) << c.name;
    }
}

TEST(DoseBreakdown, AZeroDoseHoldsEvenATermTooSmallForIt)
{
    // 5e-324 nSv/h is 4.3e-327 mSv a year: a term in extended precision, 0 as a double.
    const dosecalc::DoseBreakdown breakdown =
        dosecalc::doseBreakdown({.sievertRate = 5e-324, .sievertUnit = 0});
    EXPECT_GT(breakdown.terms[indexOf(DoseTerm::sievertRate)], 0.0L);
    EXPECT_EQ(breakdown.dose, 0.0);
    EXPECT_TRUE(dosecalc::breakdownLines(breakdown).empty());
    EXPECT_EQ(dosecalc::breakdownText(breakdown, dosecalc::foodRoute, u"."), u"内訳: すべて 0 mSv");
}

TEST(BreakdownLines, NonZeroTermsLargestFirstWithTheirShares)
{
    struct Line {
        DoseTerm term;
        int percent;
    };
    struct Case {
        const char* name;
        dosecalc::DoseTerms terms;
        std::vector<Line> lines;
    };
    const Case cases[] = {
        {"one term", {0, 0, 0, 0, 8760}, {{DoseTerm::grayRate, 100}}},
        {"zero terms left out",
         {0, 5, 0, 0, 3},
         {{DoseTerm::caesium137, 63}, {DoseTerm::grayRate, 38}}},
        {"a third each, equal ones in the order of the sum",
         {1, 1, 1, 0, 0},
         {{DoseTerm::iodine131, 33}, {DoseTerm::caesium137, 33}, {DoseTerm::caesium134, 33}}},
        {"equal dose rates",
         {0, 0, 0, 8.76L, 8.76L},
         {{DoseTerm::sievertRate, 50}, {DoseTerm::grayRate, 50}}},
        {"largest first, not in the order of the sum",
         {0.5L, 2, 0, 10, 0},
         {{DoseTerm::sievertRate, 80}, {DoseTerm::caesium137, 16}, {DoseTerm::iodine131, 4}}},
        {"halves round away from zero",
         {199, 0, 0, 0, 1},
         {{DoseTerm::iodine131, 100}, {DoseTerm::grayRate, 1}}},
        {"a tiny share is 0 %",
         {1e-9L, 0, 0, 1, 0},
         {{DoseTerm::sievertRate, 100}, {DoseTerm::iodine131, 0}}},
        {"the example of 113.88 mSv",
         {0, foodCaesium137_2x100 * 100, 0, 0x1.2faf46aa087ca90cp+4L, 0},
         {{DoseTerm::caesium137, 83}, {DoseTerm::sievertRate, 17}}},
    };
    for (const Case& c : cases) {
        const dosecalc::DoseBreakdown breakdown{c.terms, dosecalc::sumOfTerms(c.terms)};
        const std::vector<dosecalc::BreakdownLine> lines = dosecalc::breakdownLines(breakdown);
        ASSERT_EQ(lines.size(), c.lines.size()) << c.name;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].term, c.lines[i].term) << c.name << " line " << i;
            EXPECT_EQ(lines[i].value, c.terms[indexOf(lines[i].term)]) << c.name << " line " << i;
            EXPECT_EQ(lines[i].percent, c.lines[i].percent) << c.name << " line " << i;
        }
    }
}

TEST(BreakdownText, OneLineATermInColumns)
{
    struct Case {
        const char* name;
        DoseInputs inputs;
        std::u16string_view separator;
        std::u16string text;
    };
    const Case cases[] = {
        {"food Cs-137 and a dose rate",
         {.caesium137 = 20000, .intake = 1, .sievertRate = 2.1667},
         u".",
         u"内訳（1年間）\n"
         u"セシウム137（飲食物）  94.90 mSv  83 %\n"
         u"空間線量率 (Sv/h)      18.98 mSv  17 %"},
        {"air, every nuclide",
         {.iodine131 = 1000,
          .caesium137 = 1000,
          .caesium134 = 1000,
          .intake = 1,
          .route = airRoute},
         u".",
         u"内訳（1年間）\n"
         u"セシウム137（空気中）  14.23 mSv  59 %\n"
         u"セシウム134（空気中）   7.30 mSv  30 %\n"
         u"ヨウ素131（空気中）     2.70 mSv  11 %"},
        {"a wide number widens its column",
         {.sievertRate = 1, .grayRate = 1, .grayUnit = 2},
         u".",
         u"内訳（1年間）\n"
         u"空間線量率 (Gy/h) 8760.00 mSv 100 %\n"
         u"空間線量率 (Sv/h)    8.76 mSv   0 %"},
        {"the locale's separator",
         {.sievertRate = 2.5},
         u",",
         u"内訳（1年間）\n"
         u"空間線量率 (Sv/h)  21,90 mSv 100 %"},
        {"a dose of 0",
         {.iodine131 = 100, .caesium137 = 100, .caesium134 = 100, .intake = 0},
         u".",
         u"内訳: すべて 0 mSv"},
    };
    for (const Case& c : cases) {
        const dosecalc::DoseBreakdown breakdown = dosecalc::doseBreakdown(c.inputs);
        EXPECT_EQ(dosecalc::breakdownText(breakdown, c.inputs.route, c.separator), c.text)
            << c.name;
    }
}

TEST(TermName, NamesTheRouteAsTheWindowDoes)
{
    EXPECT_EQ(dosecalc::termName(DoseTerm::iodine131, airRoute), u"ヨウ素131（空気中）");
    EXPECT_EQ(dosecalc::termName(DoseTerm::caesium134, dosecalc::foodRoute),
              u"セシウム134（飲食物）");
    EXPECT_EQ(dosecalc::termName(DoseTerm::caesium137, dosecalc::noRoute), u"セシウム137");
    EXPECT_EQ(dosecalc::termName(DoseTerm::sievertRate, airRoute), u"空間線量率 (Sv/h)");
    EXPECT_EQ(dosecalc::termName(DoseTerm::grayRate, dosecalc::foodRoute), u"空間線量率 (Gy/h)");
}

} // namespace
