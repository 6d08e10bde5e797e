#include "decorations.h"
#include "element.h"
#include "strokes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace {

// B7 to B16: black bars two units wide with arms of 15 from the centre, each bar as drawRect takes
// it (the x bounds, then the y bounds). The order within each pair is kept as the glyphs were
// designed: it decides which way a bar is wound, and so whether it shows its black front or its
// back. A glyph with no full bar through the centre fills the centre square with a third bar, so
// that its arms meet.

// B7  ┴
constexpr Stroke upTee[] = {RectStroke{-15, 15, -1, 1}, RectStroke{-1, 1, 0, -15}};
// B8  ┬
constexpr Stroke downTee[] = {RectStroke{-15, 15, -1, 1}, RectStroke{-1, 1, 0, 15}};
// B9  ├
constexpr Stroke rightTee[] = {RectStroke{15, 0, -1, 1}, RectStroke{-1, 1, 15, -15}};
// B10 ┤
constexpr Stroke leftTee[] = {RectStroke{-15, 0, -1, 1}, RectStroke{-1, 1, 15, -15}};
// B11 ┌
constexpr Stroke downRight[] = {RectStroke{15, 0, -1, 1}, RectStroke{-1, 1, 15, 0},
                                RectStroke{-1, 1, -1, 1}};
// B12 ┐
constexpr Stroke downLeft[] = {RectStroke{-15, 0, -1, 1}, RectStroke{-1, 1, 15, 0},
                               RectStroke{-1, 1, -1, 1}};
// B13 └
constexpr Stroke upRight[] = {RectStroke{15, 0, -1, 1}, RectStroke{-1, 1, -15, 0},
                              RectStroke{-1, 1, -1, 1}};
// B14 ┘
constexpr Stroke upLeft[] = {RectStroke{-15, 0, -1, 1}, RectStroke{-1, 1, -15, 0},
                             RectStroke{-1, 1, -1, 1}};
// B15 ┼, B16 with a dot
constexpr Stroke cross[] = {RectStroke{-15, 15, -1, 1}, RectStroke{-1, 1, 15, -15}};

constexpr std::int32_t firstGlyph = 7;
constexpr std::array<std::span<const Stroke>, 10> glyphs{
    upTee, downTee, rightTee, leftTee, downRight, downLeft, upRight, upLeft, cross, cross};
constexpr std::int32_t dottedGlyph = 16;

void drawBarGlyph(Toge& surface, std::int32_t id)
{
    constexpr double z = 1.1;
    // Alpha 0: drawn unblended (or with the source replacing what is there), so still black.
    setColour(surface, {0, 0, 0, 0});
    drawStrokes(surface, glyphs[static_cast<std::size_t>(id - firstGlyph)], {0, 0}, z);
    if (id == dottedGlyph) {
        setColour(surface, {0, 0, 0, 1});
        drawElement(surface,
                    {std::nullopt, {translate(0, 0, z), rotate(180, 1, 0, 0)}, Disk{0, 3, 40, 40}});
    }
}

} // namespace

// The drawers differ only by their glyph; none reads anything but the surface.
void drawDecorB7(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 7);
}
void drawDecorB8(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 8);
}
void drawDecorB9(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 9);
}
void drawDecorB10(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 10);
}
void drawDecorB11(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 11);
}
void drawDecorB12(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 12);
}
void drawDecorB13(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 13);
}
void drawDecorB14(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 14);
}
void drawDecorB15(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 15);
}
void drawDecorB16(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t)
{
    drawBarGlyph(s, 16);
}
