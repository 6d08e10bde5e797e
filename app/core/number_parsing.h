#pragma once

#include <optional>
#include <string_view>

namespace dosecalc {

// Reads a number typed into one of the window's fields.
//
// Accepted, after the surrounding blanks are dropped: an optional sign, decimal digits with at
// most one decimal separator (digits on at least one side of it), and an optional exponent
// (e or E, an optional sign, digits). The separator is the user's locale's, passed in; group
// separators, letters, "inf", "nan" and hexadecimal are not numbers. Full-width digits, signs,
// point, comma and exponent letters, as a Japanese input method types them, count as their ASCII
// forms.
//
// The value is the nearest double. A numeral beyond the double range reads as infinity of its
// sign (the calculation reports the dose as too large), one below the smallest double as zero.
// Returns nothing for a text that is not a number.
std::optional<double> parseNumber(std::u16string_view text, std::u16string_view decimalSeparator);

} // namespace dosecalc
