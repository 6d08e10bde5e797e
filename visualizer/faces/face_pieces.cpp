#include "face_pieces.h"

namespace {

Element eyeDisk(double x, double y, std::int32_t slices)
{
    return {faceColour::white, {translate(x, y, -1.5), rotate(180, 0, 1, 0)}, Disk{0, 0.6, slices}};
}

} // namespace

std::vector<FaceStep> eyeDisks(const FaceInputs& in)
{
    const double* f = in.features;
    return {eyeDisk(2 * f[4] + 6, 2 * f[5] - 5, in.slices),
            eyeDisk(2 * f[6] - 6, 2 * f[7] - 5, in.slices)};
}

Element outwardBar(const Transform& start, double side, double radius, double length,
                   std::optional<double> tilt, std::int32_t slices)
{
    Element bar{std::nullopt,
                {start, rotate(90 * side, 0, 1, 0)},
                Cylinder{radius, radius, length, slices}};
    if (tilt)
        bar.transforms.append(rotate(*tilt, 1, 0, 0));
    return bar;
}

Element tiltedLip(double x, double turn, std::int32_t slices)
{
    return {faceColour::lipRed,
            {translate(x, 6, -1), rotateZ(turn), scale(2, 1, 1)},
            Sphere{2, slices}};
}
