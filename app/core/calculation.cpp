#include "calculation.h"

#include "dose_breakdown.h"
#include "number_parsing.h"

#include <cmath>
#include <optional>

namespace dosecalc {
namespace {

// A field's value if it is a number that is not negative.
std::optional<double> readQuantity(std::u16string_view text, std::u16string_view decimalSeparator)
{
    const std::optional<double> value = parseNumber(text, decimalSeparator);
    if (value && *value >= 0.0)
        return value;
    return std::nullopt;
}

} // namespace

std::u16string_view messageFor(InputError error)
{
    switch (error) {
    case InputError::notANumber:
        return u"数字以外の文字を入れないでください";
    case InputError::routeNotChosen:
        return u"空気中、飲食物のいずれかを選択してください";
    case InputError::unitNotListed:
        return u"単位は一覧から選んでください";
    case InputError::tooLarge:
        return u"数値が大きすぎます";
    }
    return u"";
}

CalculationOutcome calculate(const CalculationInput& input)
{
    const std::u16string_view separator = input.decimalSeparator;
    const auto iodine131 = readQuantity(input.iodine131, separator);
    const auto caesium137 = readQuantity(input.caesium137, separator);
    const auto caesium134 = readQuantity(input.caesium134, separator);
    const auto intake = readQuantity(input.intake, separator);
    const auto sievertRate = readQuantity(input.sievertRate, separator);
    const auto grayRate = readQuantity(input.grayRate, separator);
    // The intake is checked on every route, also while its field is hidden on the air route.
    if (!iodine131 || !caesium137 || !caesium134 || !sievertRate || !grayRate || !intake)
        return InputError::notANumber;

    if ((*iodine131 > 0 || *caesium137 > 0 || *caesium134 > 0) && input.route == noRoute)
        return InputError::routeNotChosen;

    if (!rateDivisor(input.sievertUnit) || !rateDivisor(input.grayUnit))
        return InputError::unitNotListed;

    const DoseInputs doseInputs{*iodine131,  *caesium137,       *caesium134,
                                *intake,     *sievertRate,      *grayRate,
                                input.route, input.sievertUnit, input.grayUnit};
    const DoseBreakdown breakdown = doseBreakdown(doseInputs);
    const double dose = breakdown.dose;
    if (!std::isfinite(dose))
        return InputError::tooLarge;

    return CalculationResult{dose, doseText(dose, separator, input.doseTextFits),
                             classifyDose(dose), breakdown.terms,
                             breakdownText(breakdown, input.route, separator, input.doseTextFits)};
}

} // namespace dosecalc
