#pragma once

#include "primitives.h"

#include <span>
#include <variant>

class Toge;

// The flat strokes the line decorations are made of, given relative to an origin so that one
// list draws a glyph wherever it stands: a rectangle (drawRect's x bounds, then y bounds) or a
// quad (its corners in drawing order).
struct RectStroke {
    double x1;
    double x2;
    double y1;
    double y2;
};
struct QuadStroke {
    Point2 a;
    Point2 b;
    Point2 c;
    Point2 d;
};
using Stroke = std::variant<RectStroke, QuadStroke>;

// Draws the strokes in order at depth z, each coordinate the origin's plus the stroke's offset.
void drawStrokes(Toge& surface, std::span<const Stroke> strokes, Point2 origin, double z);
