#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace dosecalc {

// Whether a dose text fits where it is shown; the window measures it in the dose label's font.
// An empty one lets every text fit.
using DoseTextFits = std::function<bool(std::u16string_view text)>;

// The dose as "%6.2f" prints it (two decimals rounded to nearest, right-aligned in six
// characters), with the given decimal separator; "inf" or "nan" for a dose that is not finite.
std::u16string formatDose(double dose, std::u16string_view decimalSeparator);

// The dose with three significant digits and a decimal exponent, "4.75e+297", with the given
// decimal separator: short enough for any dose, in a form the fields read as a number too.
std::u16string shortDoseText(double dose, std::u16string_view decimalSeparator);

// The dose as "%6.2f" prints it (formatDose) where that text fits; else its short form, so that a
// dose too long to be shown whole is never cut down to a part that reads as another number.
std::u16string doseText(double dose, std::u16string_view decimalSeparator,
                        const DoseTextFits& fits);

} // namespace dosecalc
