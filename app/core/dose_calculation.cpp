#include "dose_calculation.h"

#include "input_text.h"

#include <cstddef>

namespace dosecalc {
namespace {

// Dose coefficients in mSv per Bq, as the doubles the calculation is defined with (three of the
// food ones are one unit in the last place away from the double nearest their short decimal).
constexpr double airIodine131 = 7.4000000000000003e-06;
constexpr double airCaesium137 = 3.8999999999999999e-05;
constexpr double airCaesium134 = 2.0000000000000002e-05;
constexpr double foodIodine131 = 2.2000000000000003e-05;
constexpr double foodCaesium137 = 1.3000000000000001e-05;
constexpr double foodCaesium134 = 1.8999999999999998e-05;

constexpr long double daysPerYear = 365;
constexpr long double hoursPerDay = 24;

// A unit as written, reduced to the letters that name it: blanks dropped, full-width forms folded
// to ASCII, the micro sign and Greek mu read as u.
std::u16string unitLetters(std::u16string_view text)
{
    constexpr char16_t fullWidthOffset = u'\uFF01' - u'!';
    std::u16string letters;
    for (char16_t unit : text) {
        if (isBlank(unit))
            continue;
        if (unit >= u'\uFF01' && unit <= u'\uFF5E')
            unit = static_cast<char16_t>(unit - fullWidthOffset);
        if (unit == u'\u00B5' || unit == u'\u03BC')
            unit = u'u';
        letters += unit;
    }
    return letters;
}

char16_t asciiLower(char16_t unit)
{
    return unit >= u'A' && unit <= u'Z' ? static_cast<char16_t>(unit - u'A' + u'a') : unit;
}

// The prefix letter as listed (m is milli, M would be mega); the rest, "Sv/h" or "Gy/h", in any
// case.
bool namesUnit(std::u16string_view typed, std::u16string_view listed)
{
    if (typed.size() != listed.size() || typed.empty() || typed.front() != listed.front())
        return false;
    for (std::size_t i = 1; i < typed.size(); ++i) {
        if (asciiLower(typed[i]) != asciiLower(listed[i]))
            return false;
    }
    return true;
}

} // namespace

int unitIndexOf(std::u16string_view typed, const std::array<std::u16string_view, 3>& items)
{
    const std::u16string wanted = unitLetters(typed);
    for (std::size_t index = 0; index < items.size(); ++index) {
        if (namesUnit(wanted, unitLetters(items[index])))
            return static_cast<int>(index);
    }
    return -1;
}

std::optional<long double> rateDivisor(int unitIndex)
{
    switch (unitIndex) {
    case 0:
        return 1'000'000.0L;
    case 1:
        return 1'000.0L;
    case 2:
        return 1.0L;
    default:
        return std::nullopt;
    }
}

DoseBreakdown doseBreakdown(const DoseInputs& in)
{
    DoseBreakdown breakdown;
    auto& terms = breakdown.terms;
    const auto termOf = [&terms](DoseTerm term) -> long double& {
        return terms[static_cast<std::size_t>(term)];
    };
    if (in.route == airRoute) {
        termOf(DoseTerm::iodine131) = daysPerYear * in.iodine131 * airIodine131;
        termOf(DoseTerm::caesium137) = daysPerYear * in.caesium137 * airCaesium137;
        termOf(DoseTerm::caesium134) = daysPerYear * in.caesium134 * airCaesium134;
    } else if (in.route == foodRoute) {
        const long double intake = in.intake;
        termOf(DoseTerm::iodine131) = intake * daysPerYear * in.iodine131 * foodIodine131;
        termOf(DoseTerm::caesium137) = intake * daysPerYear * in.caesium137 * foodCaesium137;
        termOf(DoseTerm::caesium134) = intake * daysPerYear * in.caesium134 * foodCaesium134;
    }
    const long double sievertDivisor = rateDivisor(in.sievertUnit).value();
    const long double grayDivisor = rateDivisor(in.grayUnit).value();
    const long double sievertRate = in.sievertRate;
    const long double grayRate = in.grayRate;
    termOf(DoseTerm::sievertRate) = sievertRate / sievertDivisor * hoursPerDay * daysPerYear;
    termOf(DoseTerm::grayRate) = grayRate / grayDivisor * hoursPerDay * daysPerYear;
    breakdown.dose = sumOfTerms(terms);
    return breakdown;
}

double annualDose(const DoseInputs& inputs)
{
    return doseBreakdown(inputs).dose;
}

double sumOfTerms(const DoseTerms& terms)
{
    double dose = 0.0;
    for (const long double term : terms)
        dose = static_cast<double>(static_cast<long double>(dose) + term);
    return dose;
}

} // namespace dosecalc
