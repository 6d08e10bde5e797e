#include "number_parsing.h"

#include "input_text.h"

#include <charconv>
#include <cstddef>
#include <limits>
#include <string>

namespace dosecalc {
namespace {

constexpr char16_t fullWidthOffset = u'\uFF01' - u'!';

// Full-width forms of the characters a number may hold, folded to ASCII; the rest as they are.
char16_t foldFullWidth(char16_t unit)
{
    switch (unit) {
    case u'０':
    case u'１':
    case u'２':
    case u'３':
    case u'４':
    case u'５':
    case u'６':
    case u'７':
    case u'８':
    case u'９':
    case u'＋':
    case u'－':
    case u'．':
    case u'，':
    case u'Ｅ':
    case u'ｅ':
        return static_cast<char16_t>(unit - fullWidthOffset);
    default:
        return unit;
    }
}

bool isDigit(char16_t unit)
{
    return unit >= u'0' && unit <= u'9';
}

// Walks the folded text by the grammar of parseNumber and writes it as an ASCII numeral that
// std::from_chars reads, remembering the decimal order of magnitude for out-of-range numerals.
class NumeralReader {
public:
    NumeralReader(std::u16string_view folded, std::u16string_view separator)
        : text(folded), decimalSeparator(separator)
    {
    }

    bool read()
    {
        if (peek() == u'+') {
            ++position;
        } else if (peek() == u'-') {
            ascii += '-';
            ++position;
        }
        const std::size_t integerDigits = readDigits(true);
        std::size_t fractionDigits = 0;
        if (!decimalSeparator.empty() && text.substr(position).starts_with(decimalSeparator)) {
            position += decimalSeparator.size();
            ascii += '.';
            fractionDigits = readDigits(false);
        }
        if (integerDigits + fractionDigits == 0)
            return false;
        if (peek() == u'e' || peek() == u'E') {
            ++position;
            if (!readExponent())
                return false;
        }
        return position == text.size();
    }

    const std::string& numeral() const { return ascii; }
    bool isNegative() const { return !ascii.empty() && ascii.front() == '-'; }
    // Whether the numeral's magnitude is at least 1 (its leading digit at or above the units).
    bool isLarge() const { return leadingOrder + exponent > 0; }

private:
    // Largest exponent magnitude tracked; anything beyond is out of range either way.
    static constexpr long exponentCap = 1'000'000;

    char16_t peek() const { return position < text.size() ? text[position] : u'\0'; }

    std::size_t readDigits(bool integerPart)
    {
        std::size_t count = 0;
        while (isDigit(peek())) {
            const char digit = static_cast<char>(peek() - u'0' + '0');
            ascii += digit;
            if (integerPart) {
                if (digit != '0' || seenNonZero) {
                    seenNonZero = true;
                    leadingOrder = leadingOrder < exponentCap ? leadingOrder + 1 : exponentCap;
                }
            } else if (!seenNonZero) {
                if (digit != '0')
                    seenNonZero = true;
                else if (leadingOrder > -exponentCap)
                    --leadingOrder;
            }
            ++position;
            ++count;
        }
        return count;
    }

    bool readExponent()
    {
        ascii += 'e';
        bool negative = false;
        if (peek() == u'+') {
            ++position;
        } else if (peek() == u'-') {
            negative = true;
            ascii += '-';
            ++position;
        }
        const std::size_t start = ascii.size();
        long magnitude = 0;
        while (isDigit(peek())) {
            ascii += static_cast<char>(peek() - u'0' + '0');
            magnitude = magnitude * 10 + (peek() - u'0');
            if (magnitude > exponentCap)
                magnitude = exponentCap;
            ++position;
        }
        exponent = negative ? -magnitude : magnitude;
        return ascii.size() > start;
    }

    std::u16string_view text;
    std::u16string_view decimalSeparator;
    std::size_t position = 0;
    std::string ascii;
    bool seenNonZero = false;
    long leadingOrder = 0; // decimal order of the leading non-zero digit, before the exponent
    long exponent = 0;
};

} // namespace

std::optional<double> parseNumber(std::u16string_view text, std::u16string_view decimalSeparator)
{
    const std::u16string_view trimmed = trimBlanks(text);
    std::u16string folded(trimmed);
    for (char16_t& unit : folded)
        unit = foldFullWidth(unit);
    std::u16string foldedSeparator(decimalSeparator);
    for (char16_t& unit : foldedSeparator)
        unit = foldFullWidth(unit);

    NumeralReader reader(folded, foldedSeparator);
    if (!reader.read())
        return std::nullopt;

    const std::string& numeral = reader.numeral();
    double value = 0.0;
    const auto [end, error] =
        std::from_chars(numeral.data(), numeral.data() + numeral.size(), value);
    if (error == std::errc::result_out_of_range) {
        const double magnitude = reader.isLarge() ? std::numeric_limits<double>::infinity() : 0.0;
        return reader.isNegative() ? -magnitude : magnitude;
    }
    if (error != std::errc() || end != numeral.data() + numeral.size())
        return std::nullopt;
    return value;
}

} // namespace dosecalc
