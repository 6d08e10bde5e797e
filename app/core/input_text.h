#pragma once

#include <string_view>

namespace dosecalc {

// Whether a UTF-16 code unit is a blank the user may leave around a typed value: ASCII white
// space, the no-break space and the ideographic space a Japanese input method types.
bool isBlank(char16_t unit);

// The text without the blanks at its start and end.
std::u16string_view trimBlanks(std::u16string_view text);

} // namespace dosecalc
