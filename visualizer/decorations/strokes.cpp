#include "strokes.h"

namespace {

struct StrokeDrawer {
    Toge& surface;
    Point2 o;
    double z;

    void operator()(const RectStroke& r) const
    {
        drawRect(surface, o.x + r.x1, o.x + r.x2, o.y + r.y1, o.y + r.y2, z);
    }
    void operator()(const QuadStroke& q) const
    {
        drawQuad(surface, o.x + q.a.x, o.y + q.a.y, o.x + q.b.x, o.y + q.b.y, o.x + q.c.x,
                 o.y + q.c.y, o.x + q.d.x, o.y + q.d.y, z);
    }
};

} // namespace

void drawStrokes(Toge& surface, std::span<const Stroke> strokes, Point2 origin, double z)
{
    for (const Stroke& stroke : strokes)
        std::visit(StrokeDrawer{surface, origin, z}, stroke);
}
