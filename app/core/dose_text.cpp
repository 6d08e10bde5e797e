#include "dose_text.h"

#include <charconv>

namespace dosecalc {

namespace {

// The dose with two digits after the point in the given notation, as std::to_chars writes it,
// with the given decimal separator.
std::u16string twoDecimals(double dose, std::chars_format notation,
                           std::u16string_view decimalSeparator)
{
    // Fixed notation of the largest double has 309 integer digits.
    char digits[400];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, dose, notation, 2);
    std::u16string text;
    for (const char* c = digits; error == std::errc() && c != end; ++c) {
        if (*c == '.')
            text += decimalSeparator;
        else
            text += static_cast<char16_t>(*c);
    }
    return text;
}

} // namespace

std::u16string formatDose(double dose, std::u16string_view decimalSeparator)
{
    std::u16string text = twoDecimals(dose, std::chars_format::fixed, decimalSeparator);
    constexpr std::size_t width = 6;
    if (text.size() < width)
        text.insert(0, width - text.size(), u' ');
    return text;
}

std::u16string shortDoseText(double dose, std::u16string_view decimalSeparator)
{
    return twoDecimals(dose, std::chars_format::scientific, decimalSeparator);
}

std::u16string doseText(double dose, std::u16string_view decimalSeparator, const DoseTextFits& fits)
{
    std::u16string full = formatDose(dose, decimalSeparator);
    if (!fits || fits(full))
        return full;
    return shortDoseText(dose, decimalSeparator);
}

} // namespace dosecalc
