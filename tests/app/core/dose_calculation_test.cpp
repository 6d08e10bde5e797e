#include "dose_calculation.h"
#include "dose_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using dosecalc::airRoute;
using dosecalc::DoseInputs;

// The expected doses were worked out independently, with exact rational arithmetic rounding each
// product to the 64-bit significand of x87 extended precision and each sum to double.
struct DoseCase {
    const char* name;
    DoseInputs inputs;
    double dose;
};

TEST(AnnualDose, MatchesTheExactlyRoundedValue)
{
    const DoseInputs mixed{.iodine131 = 12.5,
                           .caesium137 = 300,
                           .caesium134 = 250,
                           .intake = 1.5,
                           .sievertRate = 0.25,
                           .grayRate = 40,
                           .grayUnit = 0};
    DoseInputs mixedAir = mixed;
    mixedAir.route = airRoute;
    mixedAir.sievertUnit = 2;

    const DoseCase cases[] = {
        {"start values", {}, 0.0},
        {"air, I-131 1000",
         {.iodine131 = 1000, .intake = 1, .route = airRoute},
         0x1.59ba5e353f7cfp+1}, // 2.701
        {"food, intake 2, Cs-137 100",
         {.caesium137 = 100, .intake = 2},
         0x1.e5e353f7ced92p-1},                                                  // 0.949
        {"1 uSv/h", {.sievertRate = 1}, 0x1.1851eb851eb85p+3},                   // 8.76
        {"1 nSv/h", {.sievertRate = 1, .sievertUnit = 0}, 0x1.1f0c34c1a8ac6p-7}, // 0.00876
        {"1 mGy/h", {.grayRate = 1, .grayUnit = 2}, 8760.0},
        {"0.114 uSv/h", {.sievertRate = 0.114}, 0x1.ff4dbdf8f4731p-1}, // 0.99864
        {"mixed food", mixed, 0x1.db514e3bcd35ap+2},
        {"mixed air ignores the intake", mixedAir, 0x1.128f59652bd3cp+11},
        {"food with intake 0",
         {.iodine131 = 1e6, .caesium137 = 1e6, .caesium134 = 1e6, .intake = 0},
         0.0},
        {"no route adds no concentration",
         {.iodine131 = 1e6,
          .caesium137 = 1e6,
          .caesium134 = 1e6,
          .intake = 1,
          .route = dosecalc::noRoute},
         0.0},
        {"unknown route adds no concentration",
         {.iodine131 = 1e6, .caesium137 = 1e6, .caesium134 = 1e6, .intake = 1, .route = 7},
         0.0},
    };
    for (const DoseCase& c : cases)
        EXPECT_EQ(dosecalc::annualDose(c.inputs), c.dose) << c.name;
}

// Doses right at a level threshold: the products in extended precision and the coefficients as
// defined decide on which side they fall (plain double products or the short decimal literals
// would land on the other side).
TEST(AnnualDose, BoundaryDosesLandExactly)
{
    const DoseCase cases[] = {
        {"7000 from 0.7990867579908676 mGy/h",
         {.grayRate = 0.7990867579908676, .grayUnit = 2},
         7000.0},
        {"7000 from 799.0867579908676 uSv/h", {.sievertRate = 799.0867579908676}, 7000.0},
        {"1000 from food I-131", {.iodine131 = 124533.00124533, .intake = 1}, 1000.0},
        {"just above 1000 from food I-131",
         {.iodine131 = 124533.00124533002, .intake = 1},
         0x1.f400000000001p+9},
        {"7000 from food Cs-134", {.caesium134 = 1009372.7469358329, .intake = 1}, 7000.0},
        {"just above 1000 from food Cs-137",
         {.caesium137 = 210748.1559536354, .intake = 1},
         0x1.f400000000001p+9},
        {"1 from air I-131",
         {.iodine131 = 370.23324694557573, .intake = 1, .route = airRoute},
         1.0},
    };
    for (const DoseCase& c : cases)
        EXPECT_EQ(dosecalc::annualDose(c.inputs), c.dose) << c.name;
}

TEST(AnnualDose, ExtendedProductsKeepHugeFactorsFinite)
{
    // 1e308 x 365 overflows a double but not extended precision, so a zero concentration
    // still contributes nothing.
    EXPECT_EQ(dosecalc::annualDose({.intake = 1e308}), 0.0);
    EXPECT_TRUE(std::isinf(dosecalc::annualDose({.iodine131 = 1e308, .intake = 1e308})));
    EXPECT_TRUE(std::isinf(
        dosecalc::annualDose({.sievertRate = 1.7976931348623157e308, .sievertUnit = 2})));
    EXPECT_TRUE(std::isnan(dosecalc::annualDose({.intake = INFINITY})));
}

TEST(RateDivisor, DefinedForTheThreePrefixesOnly)
{
    EXPECT_EQ(dosecalc::rateDivisor(0), 1e6L);
    EXPECT_EQ(dosecalc::rateDivisor(1), 1e3L);
    EXPECT_EQ(dosecalc::rateDivisor(2), 1.0L);
    for (const int index : {-1, 3, 1000})
        EXPECT_FALSE(dosecalc::rateDivisor(index).has_value()) << index;
}

TEST(UnitIndex, NamesAnItemByItsTextInCommonSpellings)
{
    struct Case {
        std::u16string typed;
        int index;
    };
    const Case sievert[] = {
        {u" nSv /h", 0},
        {u" uSv /h", 1},
        {u" mSv /h", 2},
        {u"uSv /h", 1},
        {u"  mSv /h  ", 2},
        {u"usv /h", 1},
        {u"uSv/h", 1},
        {u"µSv/h", 1},
        {u"μSv /h", 1},
        {u"u S v / h", 1},
        {u"ｍＳｖ／ｈ", 2},
        {u"\u3000µＳＶ/H\t", 1},
        {u"nsv/h", 0},
        // Refused: another prefix or its other case, another unit, a part of one.
        {u"", -1},
        {u" uGy /h", -1},
        {u"MSv/h", -1},
        {u"USv/h", -1},
        {u"ΜSv/h", -1},
        {u"kSv/h", -1},
        {u"uSv", -1},
        {u"uSv/hr", -1},
        {u"Sv/h", -1},
        {u"uuSv/h", -1},
        {u"u-Sv/h", -1},
    };
    for (const Case& c : sievert)
        EXPECT_EQ(dosecalc::unitIndexOf(c.typed, dosecalc::sievertUnitItems), c.index)
            << "row " << &c - sievert;
    EXPECT_EQ(dosecalc::unitIndexOf(u" mGy /h", dosecalc::grayUnitItems), 2);
    EXPECT_EQ(dosecalc::unitIndexOf(u"μgy/h", dosecalc::grayUnitItems), 1);
    EXPECT_EQ(dosecalc::unitIndexOf(u" mSv /h", dosecalc::grayUnitItems), -1);
}

TEST(FormatDose, PrintsLikePercentSixPointTwoF)
{
    struct Case {
        double dose;
        std::u16string text;
    };
    const Case cases[] = {
        {0.0, u"  0.00"},
        {0x1.59ba5e353f7cfp+1, u"  2.70"},
        {0x1.e5e353f7ced92p-1, u"  0.95"},
        {8.76, u"  8.76"},
        {0x1.ff4dbdf8f4731p-1, u"  1.00"},
        {8760.0, u"8760.00"},
        {123.456, u"123.46"},
        {0.125, u"  0.12"}, // exactly halfway: to even
        {0.375, u"  0.38"},
        {0.005, u"  0.01"}, // the double is a little above 0.005
        {7000.0, u"7000.00"},
        {1e20, u"100000000000000000000.00"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosecalc::formatDose(c.dose, u"."), c.text) << c.dose;
    const std::u16string largest = dosecalc::formatDose(1.7976931348623157e308, u".");
    EXPECT_EQ(largest.size(), 309U + 3U);
    EXPECT_EQ(largest.substr(0, 6), u"179769");
}

TEST(FormatDose, UsesTheGivenDecimalSeparator)
{
    EXPECT_EQ(dosecalc::formatDose(21.9, u","), u" 21,90");
    EXPECT_EQ(dosecalc::formatDose(8760.0, u","), u"8760,00");
}

TEST(DoseText, FullWhereItFitsElseShortAndTrue)
{
    // A place with room for sixteen characters; without a measure everything fits.
    const dosecalc::DoseTextFits sixteen = [](std::u16string_view text) {
        return text.size() <= 16;
    };
    struct Case {
        double dose;
        std::u16string text;
    };
    const Case cases[] = {
        {0.0, u"  0.00"},
        {9999999999999.994140625, u"9999999999999.99"}, // the largest double shown in full
        {9999999999999.99609375, u"1.00e+13"},          // the next one: "10000000000000.00"
        {8.755e300, u"8.76e+300"},
        {1.7976931348623157e308, u"1.80e+308"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosecalc::doseText(c.dose, u".", sixteen), c.text) << c.dose;
    EXPECT_EQ(dosecalc::doseText(123456789012345.0, u",", sixteen), u"1,23e+14");
    EXPECT_EQ(dosecalc::doseText(1e20, u".", {}), u"100000000000000000000.00");
}

} // namespace
