#pragma once

#include "dose_calculation.h"
#include "dose_text.h"
#include "verdict.h"

#include <string>
#include <string_view>
#include <variant>

namespace dosecalc {

// The message line's texts: the prompt shown at start, after Clear and after every successful
// calculation, and the reasons a calculation is refused.
inline constexpr std::u16string_view promptMessage = u"濃度、放射線量を入力してください";

enum class InputError {
    notANumber,     // a field holds no number, or a negative one
    routeNotChosen, // concentrations given but neither air nor food selected
    unitNotListed,  // a unit list's text names none of its items
    tooLarge,       // the inputs give a dose beyond the double range
};

std::u16string_view messageFor(InputError error);

// The window's inputs as typed: the six field texts, the selected route index and the unit list
// indices (-1 when the typed unit names no item), the locale's decimal separator, and whether a
// dose text fits where the dose is shown. The defaults are what the window shows at start.
struct CalculationInput {
    std::u16string_view iodine131 = u"0";
    std::u16string_view caesium137 = u"0";
    std::u16string_view caesium134 = u"0";
    std::u16string_view intake = u"1";
    std::u16string_view sievertRate = u"0";
    std::u16string_view grayRate = u"0";
    int route = foodRoute;
    int sievertUnit = microUnit;
    int grayUnit = microUnit;
    std::u16string_view decimalSeparator = u".";
    DoseTextFits doseTextFits{};
};

struct CalculationResult {
    double dose = 0.0;       // annual dose in mSv, unrounded
    std::u16string doseText; // the dose as "%6.2f", or its short form where that does not fit
    Verdict verdict;
    DoseTerms terms{};            // what the dose is the sum of, in mSv per year
    std::u16string breakdownText; // the terms as the dose's tooltip lists them
};

using CalculationOutcome = std::variant<InputError, CalculationResult>;

// Calculate: validates the inputs in the window's order (every field a non-negative number, a
// route when any concentration is positive, a unit for both rates, a finite dose), then computes
// the annual dose, its verdict and its breakdown by term. Total: every input gives one of the two
// outcomes.
CalculationOutcome calculate(const CalculationInput& input);

} // namespace dosecalc
