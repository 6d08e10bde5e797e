#include "fuzz_input.h"

#include <climits>
#include <cstdio>

namespace fuzzinput {
namespace {

constexpr char16_t replacementCharacter = u'\uFFFD';

int indexFrom(std::uint8_t byte)
{
    const auto value = static_cast<std::int8_t>(static_cast<std::uint8_t>(byte - '0'));
    if (value == INT8_MAX)
        return INT_MAX;
    if (value == INT8_MIN)
        return INT_MIN;
    return value;
}

std::u16string_view separatorFrom(std::uint8_t byte)
{
    if (byte == '.')
        return localeSeparators[0];
    if (byte == ',')
        return localeSeparators[1];
    return localeSeparators[byte % localeSeparators.size()];
}

void appendCodePoint(std::u16string& out, char32_t codePoint)
{
    if (codePoint < 0x10000) {
        out += static_cast<char16_t>(codePoint);
        return;
    }
    const char32_t offset = codePoint - 0x10000;
    out += static_cast<char16_t>(0xD800 + (offset >> 10));
    out += static_cast<char16_t>(0xDC00 + (offset & 0x3FF));
}

} // namespace

dosecalc::CalculationInput PressOfCalculate::input() const
{
    dosecalc::CalculationInput in;
    in.iodine131 = fields[0];
    in.caesium137 = fields[1];
    in.caesium134 = fields[2];
    in.intake = fields[3];
    in.sievertRate = fields[4];
    in.grayRate = fields[5];
    in.route = route;
    in.sievertUnit = sievertUnit;
    in.grayUnit = grayUnit;
    in.decimalSeparator = decimalSeparator;
    return in;
}

PressOfCalculate splitBytes(const std::uint8_t* data, std::size_t size)
{
    const auto byteAt = [&](std::size_t i, char fallback) {
        return i < size ? data[i] : static_cast<std::uint8_t>(fallback);
    };
    PressOfCalculate press;
    press.route = indexFrom(byteAt(0, '1'));
    press.sievertUnit = indexFrom(byteAt(1, '1'));
    press.grayUnit = indexFrom(byteAt(2, '1'));
    press.decimalSeparator = separatorFrom(byteAt(3, '.'));

    constexpr std::size_t headerSize = 4;
    std::string_view rest;
    if (size > headerSize)
        rest = {reinterpret_cast<const char*>(data) + headerSize, size - headerSize};
    for (std::size_t field = 0; field < press.fields.size(); ++field) {
        const bool last = field + 1 == press.fields.size();
        const std::size_t end = last ? std::string_view::npos : rest.find('\n');
        press.fields[field] = decodeUtf8(rest.substr(0, end));
        if (end == std::string_view::npos) {
            rest = {};
        } else {
            rest.remove_prefix(end + 1);
        }
    }
    return press;
}

std::u16string decodeUtf8(std::string_view bytes)
{
    std::u16string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<std::uint8_t>(bytes[i]);
        ++i;
        if (lead < 0x80) {
            out += static_cast<char16_t>(lead);
            continue;
        }
        // The continuation bytes a lead byte needs, and the range its first one must lie in
        // (narrower after E0, ED, F0 and F4, which rules out overlong forms, surrogates and
        // values above U+10FFFF).
        int needed = 0;
        char32_t codePoint = 0;
        std::uint8_t low = 0x80;
        std::uint8_t high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            needed = 1;
            codePoint = lead & 0x1Fu;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            needed = 2;
            codePoint = lead & 0x0Fu;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            needed = 3;
            codePoint = lead & 0x07u;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            out += replacementCharacter;
            continue;
        }
        bool complete = true;
        for (int k = 0; k < needed; ++k) {
            const auto next =
                i < bytes.size() ? static_cast<std::uint8_t>(bytes[i]) : std::uint8_t{0};
            if (i >= bytes.size() || next < low || next > high) {
                complete = false; // the byte that broke the sequence is read again on its own
                break;
            }
            codePoint = (codePoint << 6) | (next & 0x3Fu);
            ++i;
            low = 0x80;
            high = 0xBF;
        }
        if (complete)
            appendCodePoint(out, codePoint);
        else
            out += replacementCharacter;
    }
    return out;
}

std::string printable(std::u16string_view text)
{
    std::string out;
    for (const char16_t unit : text) {
        if (unit >= 0x20 && unit < 0x7F && unit != u'\\') {
            out += static_cast<char>(unit);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04X", static_cast<unsigned>(unit));
            out += escaped;
        }
    }
    return out;
}

} // namespace fuzzinput
