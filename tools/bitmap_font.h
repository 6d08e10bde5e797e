#pragma once

#include "canvas.h"

#include <string_view>

// A small built-in bitmap font for labels drawn into pictures: 5 x 7 dots a character, digits,
// letters, blank and + - . , : ( ) / = %, each dot `scale` pixels square, one dot column between
// characters.
namespace bitmapfont {

inline constexpr int glyphWidth = 5;
inline constexpr int glyphHeight = 7;

bool canDraw(char c);
// Whether the font can draw every character of the text.
bool canDraw(std::string_view text);
// Width and height in pixels of the text at the scale.
int textWidth(std::string_view text, int scale);
inline int textHeight(int scale)
{
    return glyphHeight * scale;
}

// Draws the text with its top left corner at (left, top); characters the font cannot draw are
// left blank.
void drawText(Canvas& canvas, int left, int top, std::string_view text, int scale,
              headless::Rgb colour);

} // namespace bitmapfont
