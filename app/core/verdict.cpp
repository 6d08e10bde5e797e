#include "verdict.h"

#include <cstddef>

namespace dosecalc {

const std::array<VerdictRow, verdictLevelCount> verdictRows{{
    {{10, 14, 0}, u"安全です。", u"普通の人の基準以下です。\n一応、除染、除染"},
    {{19, 0, 0},
     u"健康に影響なし",
     u"普通の人の限度(1mSv)を超えています。\n放射線のプロの限度(50mSv)は超えていません"},
    {{24, 9, 0},
     u"健康に影響・・・ありそう",
     u"普通の人の限度(1mSv)を大幅に超えています。\n緊急時のプロの限度(250mSv)に迫っています"},
    {{28, 0, 0},
     u"健康に害",
     u"浴びてはいけません!すべての基準を超えています。\n健康に害があります（白血球減少)"},
    {{15, 0, 0},
     u"健康に害",
     u"浴びてはいけません!すべての基準を超えています。\n健康に害があります（リンパ球減少)"},
    {{31, 0, 0}, u"超キケン", u"死ぬ人もいます\n2000mSvで5% Death"},
    {{31, 0, 0}, u"超キケン", u"半分くらいは死にます\n 4000mSvで50% Death"},
    {{31, 0, 0}, u"超キケン", u"ほとんど全員死にます\n 7000mSvで100%死亡"},
    {{31, 0, 0}, u"ヒャッハー", u"全員死にます"},
}};

namespace {

constexpr std::array<double, verdictLevelCount - 1> levelThresholds{1,    50,   250,  500,
                                                                    1000, 2000, 4000, 7000};

// The gauge constants are held in extended precision, as the positions are defined with them.
constexpr long double yellowSlope = 0.4L;
constexpr long double redSlope = 0.025L;

int truncateToGauge(long double position)
{
    if (!(position > gaugeMinimum)) // also NaN
        return gaugeMinimum;
    if (position >= gaugeMaximum)
        return gaugeMaximum;
    return static_cast<int>(position); // toward zero, now within range
}

} // namespace

int verdictLevel(double dose)
{
    int level = 0;
    for (const double threshold : levelThresholds) {
        if (!(dose > threshold))
            break;
        ++level;
    }
    return level;
}

GaugeColour gaugeColour(int level)
{
    if (level <= 0)
        return GaugeColour::blue;
    if (level <= 2)
        return GaugeColour::yellow;
    return GaugeColour::red;
}

int gaugePosition(double dose, int level)
{
    const long double value = dose;
    if (level <= 0)
        return truncateToGauge(value * 100);
    if (level <= 2)
        return truncateToGauge((value - 1) * yellowSlope + 10);
    return truncateToGauge((value - 250) * redSlope + 10);
}

Verdict classifyDose(double dose)
{
    Verdict verdict;
    verdict.level = verdictLevel(dose);
    verdict.colour = gaugeColour(verdict.level);
    verdict.gaugePosition = gaugePosition(dose, verdict.level);
    verdict.scene = verdictRows[static_cast<std::size_t>(verdict.level)].scene;
    return verdict;
}

} // namespace dosecalc
