#include "shape_expectations.h"

#include <cmath>
#include <sstream>
#include <variant>

namespace {

bool near(double recorded, double expected)
{
    const auto e = static_cast<double>(static_cast<float>(expected));
    return std::fabs(recorded - e) <= 4.0 * std::fabs(e) * 1.2e-7 + 1e-9;
}

const char* kindName(glrecord::DrawnShape::Kind kind)
{
    switch (kind) {
    case glrecord::DrawnShape::Kind::sphere:
        return "sphere";
    case glrecord::DrawnShape::Kind::disk:
        return "disk";
    case glrecord::DrawnShape::Kind::cylinder:
        return "cylinder";
    case glrecord::DrawnShape::Kind::polygon:
        return "polygon";
    }
    return "?";
}

std::string describe(const Transform& t)
{
    std::ostringstream out;
    switch (t.kind) {
    case Transform::Kind::translate:
        out << "T(" << t.x << ", " << t.y << ", " << t.z << ")";
        break;
    case Transform::Kind::rotate:
        out << "R(" << t.angle << "; " << t.x << ", " << t.y << ", " << t.z << ")";
        break;
    case Transform::Kind::scale:
        out << "Sc(" << t.x << ", " << t.y << ", " << t.z << ")";
        break;
    }
    return out.str();
}

std::string describe(const std::vector<Transform>& list)
{
    std::string out;
    for (const Transform& t : list)
        out += describe(t) + " ";
    return out;
}

struct ExpectedParams {
    glrecord::DrawnShape::Kind kind;
    std::vector<double> params;
};

ExpectedParams paramsOf(const Shape& shape)
{
    using K = glrecord::DrawnShape::Kind;
    if (const auto* s = std::get_if<Sphere>(&shape))
        return {K::sphere,
                {s->radius, static_cast<double>(s->slices), static_cast<double>(s->stacks)}};
    if (const auto* d = std::get_if<Disk>(&shape))
        return {
            K::disk,
            {d->inner, d->outer, static_cast<double>(d->slices), static_cast<double>(d->loops)}};
    const auto& c = std::get<Cylinder>(shape);
    return {
        K::cylinder,
        {c.base, c.top, c.height, static_cast<double>(c.slices), static_cast<double>(c.stacks)}};
}

} // namespace

std::vector<glrecord::DrawnShape> quadricShapes(const std::vector<glrecord::DrawnShape>& drawn)
{
    std::vector<glrecord::DrawnShape> out;
    for (const auto& s : drawn)
        if (s.kind != glrecord::DrawnShape::Kind::polygon)
            out.push_back(s);
    return out;
}

::testing::AssertionResult shapesMatch(const std::vector<glrecord::DrawnShape>& drawn,
                                       const std::vector<ExpectedShape>& expected)
{
    if (drawn.size() != expected.size())
        return ::testing::AssertionFailure()
               << drawn.size() << " shapes drawn, " << expected.size() << " expected";
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        const auto& got = drawn[i];
        const auto& want = expected[i];
        const auto fail = [i]() { return ::testing::AssertionFailure() << "shape " << i << ": "; };
        const ExpectedParams params = paramsOf(want.shape);
        if (got.kind != params.kind)
            return fail() << kindName(got.kind) << " drawn, " << kindName(params.kind)
                          << " expected";
        for (std::size_t p = 0; p < params.params.size(); ++p)
            if (got.params[p] != params.params[p])
                return fail() << "parameter " << p << " is " << got.params[p] << ", expected "
                              << params.params[p];
        const double colour[] = {want.colour.red, want.colour.green, want.colour.blue,
                                 want.colour.alpha};
        for (std::size_t c = 0; c < 4; ++c)
            if (!near(got.diffuse[c], colour[c]))
                return fail() << "colour component " << c << " is " << got.diffuse[c]
                              << ", expected " << colour[c];
        if (got.colouredInside != want.ownColour)
            return fail() << (want.ownColour ? "sets no colour of its own"
                                             : "sets a colour of its own, expected none");
        bool same = got.transforms.size() == want.transforms.size();
        for (std::size_t t = 0; same && t < got.transforms.size(); ++t) {
            const Transform& g = got.transforms[t];
            const Transform& w = want.transforms[t];
            same = g.kind == w.kind && near(g.angle, w.angle) && near(g.x, w.x) && near(g.y, w.y)
                   && near(g.z, w.z);
        }
        if (!same)
            return fail() << "transforms " << describe(got.transforms) << "expected "
                          << describe(want.transforms);
    }
    return ::testing::AssertionSuccess();
}
