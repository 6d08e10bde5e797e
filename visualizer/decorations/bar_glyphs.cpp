#include "decorations.h"
#include "element.h"
#include "primitives.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace {

// A bar as drawRect takes it: the x bounds, then the y bounds. The order within each pair is
// kept as the glyphs were designed: it decides which way a bar is wound, and so whether it shows
// its black front or its back.
struct Bar {
    double x1;
    double x2;
    double y1;
    double y2;
};

struct BarGlyph {
    std::size_t barCount;
    std::array<Bar, 3> bars;
};

// B7 to B16: black bars two units wide with arms of 15 from the centre. A glyph with no full bar
// through the centre fills the centre square with a third bar, so that its arms meet.
constexpr std::int32_t firstGlyph = 7;
constexpr std::array<BarGlyph, 10> glyphs{{
    {2, {{{-15, 15, -1, 1}, {-1, 1, 0, -15}}}},                     // B7  ┴
    {2, {{{-15, 15, -1, 1}, {-1, 1, 0, 15}}}},                      // B8  ┬
    {2, {{{15, 0, -1, 1}, {-1, 1, 15, -15}}}},                      // B9  ├
    {2, {{{-15, 0, -1, 1}, {-1, 1, 15, -15}}}},                     // B10 ┤
    {3, {{{15, 0, -1, 1}, {-1, 1, 15, 0}, {-1, 1, -1, 1}}}},        // B11 ┌
    {3, {{{-15, 0, -1, 1}, {-1, 1, 15, 0}, {-1, 1, -1, 1}}}},       // B12 ┐
    {3, {{{15, 0, -1, 1}, {-1, 1, -15, 0}, {-1, 1, -1, 1}}}},       // B13 └
    {3, {{{-15, 0, -1, 1}, {-1, 1, -15, 0}, {-1, 1, -1, 1}}}},      // B14 ┘
    {2, {{{-15, 15, -1, 1}, {-1, 1, 15, -15}}}},                    // B15 ┼
    {2, {{{-15, 15, -1, 1}, {-1, 1, 15, -15}}}},                    // B16 ┼ with a dot
}};
constexpr std::int32_t dottedGlyph = 16;

void drawBarGlyph(Toge& surface, std::int32_t id)
{
    constexpr double z = 1.1;
    const BarGlyph& glyph = glyphs[static_cast<std::size_t>(id - firstGlyph)];
    // Alpha 0: drawn unblended (or with the source replacing what is there), so still black.
    setColour(surface, {0, 0, 0, 0});
    for (std::size_t i = 0; i < glyph.barCount; ++i) {
        const Bar& bar = glyph.bars[i];
        drawRect(surface, bar.x1, bar.x2, bar.y1, bar.y2, z);
    }
    if (id == dottedGlyph) {
        setColour(surface, {0, 0, 0, 1});
        drawElement(surface, {std::nullopt, {translate(0, 0, z), rotate(180, 1, 0, 0)}, Disk{0, 3, 40, 40}});
    }
}

} // namespace

// The drawers differ only by their glyph; none reads anything but the surface.
void drawDecorB7(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t) { drawBarGlyph(s, 7); }
void drawDecorB8(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t) { drawBarGlyph(s, 8); }
void drawDecorB9(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                 std::int32_t, std::int32_t) { drawBarGlyph(s, 9); }
void drawDecorB10(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 10); }
void drawDecorB11(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 11); }
void drawDecorB12(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 12); }
void drawDecorB13(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 13); }
void drawDecorB14(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 14); }
void drawDecorB15(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 15); }
void drawDecorB16(Toge& s, std::int32_t, std::int32_t, const double*, std::int32_t, std::int32_t,
                  std::int32_t, std::int32_t) { drawBarGlyph(s, 16); }
