#include "additive_blending.h"
#include "decorations.h"
#include "dot_arc.h"
#include "strokes.h"

#include <cstdint>
#include <span>

namespace {

constexpr Colour black{0, 0, 0, 0.9};
constexpr double glyphDepth = -5.5;

void setBlack(Toge& surface)
{
    setColour(surface, black);
}

// Each glyph is drawn twice, right then left of the centre, the left copy a plain translation of
// the right one (not its mirror image).
constexpr Point2 glyphOrigins[] = {{5, -3}, {-5, -3}};

void drawGlyphPair(Toge& surface, std::span<const Stroke> glyph)
{
    for (const Point2 origin : glyphOrigins)
        drawStrokes(surface, glyph, origin, glyphDepth);
}

} // namespace

void drawDecorA8(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                 const double* /*bandFeatures*/, std::int32_t /*slices*/,
                 std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // Four bars hanging from the top edge, each shorter than the one to its left.
    static constexpr Stroke bars[] = {
        RectStroke{-9, -8, -15, 2},
        RectStroke{-7, -6, -15, 0},
        RectStroke{-5, -4, -15, -2},
        RectStroke{-3, -2, -15, -4},
    };
    setBlack(surface);
    drawStrokes(surface, bars, {0, 0}, glyphDepth);
    // A whitish square between the face and the backdrop, added to what the frame holds there.
    beginAdditiveBlending(surface);
    setColour(surface, 1, 1, 1, 0.9);
    drawRect(surface, -15, 15, -15, 15, 1.5);
    endAdditiveBlending();
}

void drawDecorA17(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // Two short bars, a stem below them and two strokes spreading upwards.
    static constexpr Stroke glyph[] = {
        RectStroke{-2, 2, 0, -1},
        RectStroke{-2, 2, 0.5, 1.5},
        RectStroke{-0.5, 0.5, 0, 2.25},
        QuadStroke{{-0.25, -1}, {1, -3.5}, {2, -3}, {1, -1}},
        QuadStroke{{0.25, -1}, {-1, -3.5}, {-2, -3}, {-1, -1}},
    };
    setBlack(surface);
    drawGlyphPair(surface, glyph);
}

void drawDecorA22(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // A stem with a slanted stroke on each side.
    static constexpr Stroke glyph[] = {
        RectStroke{-0.5, 0.5, -3.5, 1},
        QuadStroke{{-3.05, -0.6}, {-1.8, -2.5}, {-0.8, -2}, {-1.8, 0}},
        QuadStroke{{3.05, -0.6}, {1.8, -2.5}, {0.8, -2}, {1.8, 0}},
    };
    setBlack(surface);
    drawGlyphPair(surface, glyph);
}

void drawDecorA23(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t /*slices*/,
                  std::int32_t /*threshold*/, std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // A short stem on top, a bar, two crossing strokes and two feet spreading downwards.
    static constexpr Stroke glyph[] = {
        RectStroke{-0.5, 0.5, -4, -2.8},
        RectStroke{-2.5, 2.5, -1.8, -2.8},
        QuadStroke{{-1.55, -0.6}, {-0.3, -2.5}, {0.7, -2}, {-0.3, 0}},
        QuadStroke{{1.55, -0.6}, {0.3, -2.5}, {-0.7, -2}, {0.3, 0}},
        QuadStroke{{-1.55, -0.6}, {-0.3, 0}, {-1.2, 1}, {-2.8, 1}},
        QuadStroke{{1.55, -0.6}, {0.3, 0}, {1.2, 1}, {2.8, 1}},
    };
    setBlack(surface);
    drawGlyphPair(surface, glyph);
}

void drawDecorA24(Toge& surface, std::int32_t /*angle*/, std::int32_t /*bandCount*/,
                  const double* /*bandFeatures*/, std::int32_t slices, std::int32_t /*threshold*/,
                  std::int32_t /*faceType*/, std::int32_t /*meanLevel*/)
{
    // An upper and a lower half-ring of dots for each copy, their centres mirrored about the
    // vertical centre line, then a vertical bar and one slanted stroke.
    static constexpr DotArc arcs[] = {
        {{5.7, -5.7}, 1.6, 0, 0.5, -2},
        {{-5.7, -5.7}, 1.6, 0, 0.5, -2},
        {{5.7, -3.8}, 1.6, 180, 0.5, -2},
        {{-5.7, -3.8}, 1.6, 180, 0.5, -2},
    };
    static constexpr Stroke glyph[] = {
        RectStroke{-0.5, 0.5, -4.1, 1.6},
        QuadStroke{{-1.7, -1.9}, {-1, -2.4}, {1.8, -0.4}, {1, 0}},
    };
    setBlack(surface);
    for (const DotArc& arc : arcs)
        forEachArcDot(arc, slices, [&surface](const Element& dot) { drawElement(surface, dot); });
    drawGlyphPair(surface, glyph);
}
