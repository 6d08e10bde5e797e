#include "calculation.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <string>
#include <variant>

namespace {

using dosecalc::CalculationInput;
using dosecalc::CalculationResult;
using dosecalc::InputError;

CalculationResult expectResult(const CalculationInput& in)
{
    const dosecalc::CalculationOutcome outcome = dosecalc::calculate(in);
    if (const auto* error = std::get_if<InputError>(&outcome)) {
        ADD_FAILURE() << "refused with error " << static_cast<int>(*error);
        return {};
    }
    return std::get<CalculationResult>(outcome);
}

void expectError(const CalculationInput& in, InputError expected, const char* what)
{
    const dosecalc::CalculationOutcome outcome = dosecalc::calculate(in);
    ASSERT_TRUE(std::holds_alternative<InputError>(outcome)) << what;
    EXPECT_EQ(std::get<InputError>(outcome), expected) << what;
}

TEST(Calculate, StartValuesGiveZero)
{
    const CalculationResult result = expectResult({}); // an input's defaults are the start values
    EXPECT_EQ(result.dose, 0.0);
    EXPECT_EQ(result.doseText, u"  0.00");
    EXPECT_EQ(result.verdict.level, 0);
    EXPECT_EQ(result.verdict.gaugePosition, 0);
}

TEST(Calculate, TypedInputsGiveTheDoseTextAndVerdict)
{
    struct Case {
        const char* name;
        CalculationInput input;
        std::u16string text;
        int level;
        int position;
    };
    const Case cases[] = {
        {"air I-131 1000", {.iodine131 = u"1000", .route = dosecalc::airRoute}, u"  2.70", 1, 10},
        {"food intake 2 Cs-137 100", {.caesium137 = u"100", .intake = u"2"}, u"  0.95", 0, 94},
        {"0.114 uSv/h shows 1.00 at level 0", {.sievertRate = u"0.114"}, u"  1.00", 0, 99},
        {"1 mGy/h", {.grayRate = u"1", .grayUnit = 2}, u"8760.00", 8, 110},
        {"exactly 7000", {.grayRate = u" 0.7990867579908676 ", .grayUnit = 2}, u"7000.00", 7, 110},
        {"full-width 12.5 uSv/h", {.sievertRate = u"１２．５"}, u"109.50", 2, 53},
    };
    for (const Case& c : cases) {
        const CalculationResult result = expectResult(c.input);
        EXPECT_EQ(result.doseText, c.text) << c.name;
        EXPECT_EQ(result.verdict.level, c.level) << c.name;
        EXPECT_EQ(result.verdict.gaugePosition, c.position) << c.name;
    }
}

TEST(Calculate, EveryFieldMustHoldANonNegativeNumber)
{
    const std::array fields{
        &CalculationInput::iodine131, &CalculationInput::caesium137,  &CalculationInput::caesium134,
        &CalculationInput::intake,    &CalculationInput::sievertRate, &CalculationInput::grayRate,
    };
    for (const std::u16string_view bad :
         {u"", u"abc", u"-1", u"-1e-300", u"inf", u"nan", u"1,5", u"1e"}) {
        for (const auto field : fields) {
            for (const int route : {dosecalc::airRoute, dosecalc::foodRoute}) {
                CalculationInput in;
                in.route = route; // the intake is checked on the air route too
                in.*field = bad;
                expectError(in, InputError::notANumber, "bad field");
            }
        }
    }
}

TEST(Calculate, NegativeZeroCountsAsZero)
{
    EXPECT_EQ(expectResult({.sievertRate = u"-0"}).doseText, u"  0.00");
}

TEST(Calculate, ConcentrationsNeedARoute)
{
    CalculationInput in{.sievertRate = u"1", .route = dosecalc::noRoute};
    EXPECT_EQ(expectResult(in).doseText, u"  8.76"); // no concentration: no route needed
    in.caesium134 = u"0.001";
    expectError(in, InputError::routeNotChosen, "concentration without route");
    in.grayRate = u"x"; // a bad number is reported first
    expectError(in, InputError::notANumber, "bad number before route");
}

TEST(Calculate, BothUnitsMustNameAnItem)
{
    expectError({.sievertUnit = -1}, InputError::unitNotListed, "sievert unit");
    CalculationInput in{.grayUnit = 3};
    expectError(in, InputError::unitNotListed, "gray unit");
    in.route = dosecalc::noRoute;
    in.iodine131 = u"1";
    expectError(in, InputError::routeNotChosen, "route before unit");
}

TEST(Calculate, ADoseBeyondTheDoubleRangeIsTooLarge)
{
    // An infinite intake times concentrations of 0 would be NaN, classified as safe.
    expectError({.intake = u"1e400"}, InputError::tooLarge, "NaN dose");
    expectError({.iodine131 = u"1e308", .intake = u"1e308"}, InputError::tooLarge,
                "overflowing product");
    expectError({.sievertRate = u"1.7976931348623157e308", .sievertUnit = 2}, InputError::tooLarge,
                "overflowing rate");
    // Finite in extended precision: zero concentrations add zero.
    EXPECT_EQ(expectResult({.intake = u"1e308"}).doseText, u"  0.00");
    // A number, but not used on the air route.
    EXPECT_EQ(expectResult({.intake = u"1e400", .route = dosecalc::airRoute}).doseText, u"  0.00");
}

TEST(Calculate, CommaLocaleReadsAndPrintsCommas)
{
    CalculationInput in{.sievertRate = u"2,5", .decimalSeparator = u","};
    EXPECT_EQ(expectResult(in).doseText, u" 21,90");
    in.sievertRate = u"2.5";
    expectError(in, InputError::notANumber, "point in a comma locale");
}

TEST(Calculate, ReturnsTheTermsAndTheirBreakdown)
{
    CalculationInput in{.caesium137 = u"20000", .sievertRate = u"2.1667"};
    const CalculationResult result = expectResult(in);
    EXPECT_EQ(result.doseText, u"113.88");
    EXPECT_EQ(result.terms[static_cast<std::size_t>(dosecalc::DoseTerm::caesium137)],
              0x1.7b9999999999a0f2p+6L);
    EXPECT_EQ(result.terms[static_cast<std::size_t>(dosecalc::DoseTerm::sievertRate)],
              0x1.2faf46aa087ca90cp+4L);
    EXPECT_EQ(result.breakdownText, u"内訳（1年間）\n"
                                    u"セシウム137（飲食物）  94.90 mSv  83 %\n"
                                    u"空間線量率 (Sv/h)      18.98 mSv  17 %");

    in.route = dosecalc::airRoute; // the other route, in a comma locale
    in.caesium137 = u"200";
    in.decimalSeparator = u",";
    in.sievertRate = u"2,1667";
    EXPECT_EQ(expectResult(in).breakdownText, u"内訳（1年間）\n"
                                              u"空間線量率 (Sv/h)      18,98 mSv  87 %\n"
                                              u"セシウム137（空気中）   2,85 mSv  13 %");
    EXPECT_EQ(expectResult({}).breakdownText, u"内訳: すべて 0 mSv");
}

} // namespace
