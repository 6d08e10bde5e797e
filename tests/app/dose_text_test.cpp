#include "calculation.h"
#include "dose_text.h"

#include <gtest/gtest.h>

#include <string>
#include <variant>

namespace {

// A place with room for sixteen characters.
bool fitsSixteen(std::u16string_view text)
{
    return text.size() <= 16;
}

TEST(DoseText, FullWhereItFitsElseShortAndTrue)
{
    struct Case {
        double dose;
        std::u16string_view separator;
        std::u16string text;
    };
    const Case cases[] = {
        {0.0, u".", u"  0.00"},
        {9999999999999.994140625, u".", u"9999999999999.99"}, // the largest dose shown in full
        {9999999999999.99609375, u".", u"1.00e+13"},          // the next double: "10000000000000.00"
        {123456789012345.0, u",", u"1,23e+14"},
        {1.7976931348623157e308, u".", u"1.80e+308"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosecalc::doseText(c.dose, c.separator, fitsSixteen), c.text) << c.dose;
    EXPECT_EQ(dosecalc::doseText(1e20, u".", {}), u"100000000000000000000.00"); // no measure: all fits

    // The dose and the breakdown's figures alike; food route, 1e300 Bq of Cs-137.
    dosecalc::CalculationInput in;
    in.iodine131 = in.caesium134 = in.sievertRate = in.grayRate = u"0";
    in.caesium137 = u"1e300";
    in.intake = u"1";
    in.doseTextFits = fitsSixteen;
    const auto result = std::get<dosecalc::CalculationResult>(dosecalc::calculate(in));
    EXPECT_EQ(result.doseText, u"4.75e+297");
    EXPECT_EQ(result.breakdownText, u"内訳（1年間）\nセシウム137（飲食物） 4.75e+297 mSv 100 %");
}

} // namespace
