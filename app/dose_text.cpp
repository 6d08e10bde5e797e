#include "dose_text.h"

#include "dose_calculation.h"

#include <charconv>

namespace dosecalc {

std::u16string shortDoseText(double dose, std::u16string_view decimalSeparator)
{
    // "-d.dde-ddd" at the longest.
    char digits[16];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, dose, std::chars_format::scientific, 2);
    std::u16string text;
    for (const char* c = digits; error == std::errc() && c != end; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += static_cast<char16_t>(*c);
    }
    return text;
}

std::u16string doseText(double dose, std::u16string_view decimalSeparator, const DoseTextFits& fits)
{
    std::u16string full = formatDose(dose, decimalSeparator);
    if (!fits || fits(full))
        return full;
    return shortDoseText(dose, decimalSeparator);
}

} // namespace dosecalc
