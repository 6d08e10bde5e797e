#include "verdict.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

using dosecalc::GaugeColour;

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double infinity = std::numeric_limits<double>::infinity();

double above(double value)
{
    return std::nextafter(value, infinity);
}

TEST(VerdictLevel, ThresholdsAreStrictOnTheUnroundedDose)
{
    struct Case {
        double dose;
        int level;
    };
    const Case cases[] = {
        {0.0, 0},          {0.99864, 0},       {1.0, 0},         {above(1.0), 1},
        {1.5, 1},          {50.0, 1},          {above(50.0), 2}, {250.0, 2},
        {above(250.0), 3}, {300.0, 3},         {500.0, 3},       {above(500.0), 4},
        {1000.0, 4},       {above(1000.0), 5}, {2000.0, 5},      {above(2000.0), 6},
        {4000.0, 6},       {above(4000.0), 7}, {7000.0, 7},      {above(7000.0), 8},
        {8760.0, 8},       {1e300, 8},         {infinity, 8},    {nan, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosecalc::verdictLevel(c.dose), c.level) << c.dose;
}

TEST(GaugeColour, BlueThenYellowThenRed)
{
    const GaugeColour expected[] = {GaugeColour::blue, GaugeColour::yellow, GaugeColour::yellow,
                                    GaugeColour::red,  GaugeColour::red,    GaugeColour::red,
                                    GaugeColour::red,  GaugeColour::red,    GaugeColour::red};
    for (int level = 0; level < dosecalc::verdictLevelCount; ++level)
        EXPECT_EQ(dosecalc::gaugeColour(level), expected[level]) << level;
    EXPECT_EQ(static_cast<std::uint32_t>(GaugeColour::blue), 0x0000FFU);
    EXPECT_EQ(static_cast<std::uint32_t>(GaugeColour::yellow), 0xFFFF00U);
    EXPECT_EQ(static_cast<std::uint32_t>(GaugeColour::red), 0xFF0000U);
}

TEST(GaugePosition, LevelFormulaTruncatedAndClamped)
{
    struct Case {
        double dose;
        int position;
    };
    const Case cases[] = {
        {0.0, 0},
        {1.0, 100},
        {50.0, 29},
        {250.0, 109},
        {0.5, 50},
        {1.5, 10},
        {0.876, 87},
        {300.0, 11},
        {8760.0, 110}, // the formula gives 222; the gauge is full
        {7000.0, 110},
        {4250.0, 110}, // exactly 110
        {4209.0, 108}, // 108.975
        // Extended precision: the double nearest 0.3 is a little below it, and so is its product
        // with 100 in extended precision (a double product would round up to 30).
        {0.3, 29},
        {0.03, 2},
        {1e10, 110},
        {8.6e10, 110}, // beyond the 32-bit integer range before clamping
        {1.7976931348623157e308, 110},
    };
    for (const Case& c : cases)
        EXPECT_EQ(dosecalc::gaugePosition(c.dose, dosecalc::verdictLevel(c.dose)), c.position)
            << c.dose;
}

TEST(GaugePosition, NeverLeavesTheGaugeRange)
{
    for (const double dose : {nan, infinity, -infinity, -1.0, -1e300})
        for (int level = 0; level < dosecalc::verdictLevelCount; ++level) {
            const int position = dosecalc::gaugePosition(dose, level);
            EXPECT_GE(position, dosecalc::gaugeMinimum);
            EXPECT_LE(position, dosecalc::gaugeMaximum);
        }
}

TEST(ClassifyDose, BringsLevelColourPositionAndScene)
{
    const dosecalc::Verdict top = dosecalc::classifyDose(8760.0);
    EXPECT_EQ(top.level, 8);
    EXPECT_EQ(top.colour, GaugeColour::red);
    EXPECT_EQ(top.gaugePosition, 110);
    EXPECT_EQ(top.scene, (dosecalc::SceneSelectors{31, 0, 0}));

    const dosecalc::Verdict safe = dosecalc::classifyDose(0.876);
    EXPECT_EQ(safe.level, 0);
    EXPECT_EQ(safe.colour, GaugeColour::blue);
    EXPECT_EQ(safe.gaugePosition, 87);
    EXPECT_EQ(safe.scene, (dosecalc::SceneSelectors{10, 14, 0}));

    const dosecalc::Verdict level3 = dosecalc::classifyDose(300.0);
    EXPECT_EQ(level3.scene, (dosecalc::SceneSelectors{28, 0, 0}));
}

TEST(VerdictRows, AdviceHasTwoLinesExceptAtTheTop)
{
    for (int level = 0; level < dosecalc::verdictLevelCount; ++level) {
        const std::u16string_view advice =
            dosecalc::verdictRows[static_cast<std::size_t>(level)].advice;
        const auto feeds = std::count(advice.begin(), advice.end(), u'\n');
        EXPECT_EQ(feeds, level == 8 ? 0 : 1) << level;
        EXPECT_EQ(advice.find(u'\r'), std::u16string_view::npos);
    }
    // The second lines of levels 6 and 7 open with a blank.
    EXPECT_EQ(dosecalc::verdictRows[6].advice, u"半分くらいは死にます\n 4000mSvで50% Death");
    EXPECT_EQ(dosecalc::verdictRows[7].advice, u"ほとんど全員死にます\n 7000mSvで100%死亡");
    EXPECT_EQ(dosecalc::verdictRows[8].headline, u"ヒャッハー");
    EXPECT_EQ(dosecalc::verdictRows[8].advice, u"全員死にます");
}

} // namespace
