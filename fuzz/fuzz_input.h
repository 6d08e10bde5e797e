#pragma once

#include "calculation.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Arbitrary bytes as one press of Calculate: what the fuzzer and the corpus replay feed through
// dosecalc::calculate.
//
// Layout (every byte string is valid; missing bytes take the defaults in brackets):
//   byte 0      route                                                   ['1': food]
//   byte 1      unit index of the sievert rate                          ['1': micro]
//   byte 2      unit index of the gray rate                             ['1': micro]
//   byte 3      decimal separator: '.' or ',', any other byte picks one of
//               the locales' separators by its value modulo three        ['.']
//   the rest    the six field texts in the window's order (I-131, Cs-137, Cs-134, intake,
//               sievert rate, gray rate), separated by line feeds; missing fields are empty and
//               the sixth takes everything after the fifth line feed. The bytes are read as
//               UTF-8, and each ill-formed sequence becomes one U+FFFD (decodeUtf8), the way a
//               pasted text reaches a field.
// An index byte b stands for the signed byte (b - '0'): '0', '1', '2' are the list's items, '/'
// is -1 (nothing selected), '3' and above lie beyond the list; its extremes (0xAF and 0xB0)
// stand for INT_MAX and INT_MIN.
namespace fuzzinput {

// The decimal separators Qt's locales use: '.', ',' and the Arabic decimal separator U+066B.
inline constexpr std::array<std::u16string_view, 3> localeSeparators{u".", u",", u"\u066B"};

struct PressOfCalculate {
    std::array<std::u16string, 6> fields;
    int route = dosecalc::foodRoute;
    int sievertUnit = dosecalc::microUnit;
    int grayUnit = dosecalc::microUnit;
    std::u16string_view decimalSeparator = localeSeparators[0];

    // The calculation's input; it views this object's texts.
    dosecalc::CalculationInput input() const;
};

PressOfCalculate splitBytes(const std::uint8_t* data, std::size_t size);

// UTF-8 to UTF-16. Each maximal subpart of an ill-formed sequence (a stray continuation byte, a
// truncated or overlong sequence, an encoded surrogate, a value above U+10FFFF) becomes one
// U+FFFD, as the Unicode standard recommends.
std::u16string decodeUtf8(std::string_view bytes);

// The text as UTF-8 with every code unit outside printable ASCII written as \uXXXX, for messages.
std::string printable(std::u16string_view text);

} // namespace fuzzinput
