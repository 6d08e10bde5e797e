#include "input_text.h"

namespace dosecalc {

bool isBlank(char16_t unit)
{
    switch (unit) {
    case u' ':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u'\u00A0': // no-break space
    case u'\u3000': // ideographic space
        return true;
    default:
        return false;
    }
}

std::u16string_view trimBlanks(std::u16string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace dosecalc
