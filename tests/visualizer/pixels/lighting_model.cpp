
#include "lighting_model.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double fieldOfView = 45.0;
constexpr double cameraZ = -30.0;
constexpr double globalAmbient = 0.2;

double dot(Vec3 a, Vec3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 minus(Vec3 a, Vec3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec3 unit(Vec3 v)
{
    const double length = std::sqrt(dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}
double clamp01(double v)
{
    return std::clamp(v, 0.0, 1.0);
}

Colour3 lit(Colour3 ambient, Colour3 diffuse, Vec3 point, Vec3 normal, Vec3 light)
{
    // Light 0: ambient 1, diffuse 1, no specular; no attenuation, no spot.
    const double facing = std::max(0.0, dot(normal, unit(minus(light, point))));
    const auto channel = [facing](double a, double d) {
        return clamp01(globalAmbient * a + a + facing * d);
    };
    return {channel(ambient.red, diffuse.red), channel(ambient.green, diffuse.green),
            channel(ambient.blue, diffuse.blue)};
}

} // namespace

PixelPosition project(Vec3 scene, int width, int height)
{
    // The camera at (0, 0, -30) looking along +z with up (0, -1, 0): eye x = x, eye y = -y, and
    // the depth in front of the camera is z + 30.
    const double depth = scene.z - cameraZ;
    const double focal = 1.0 / std::tan(fieldOfView / 2 * M_PI / 180);
    const double aspect = static_cast<double>(width) / height;
    const double ndcX = focal / aspect * scene.x / depth;
    const double ndcY = focal * -scene.y / depth;
    const double columns = (ndcX + 1) / 2 * width;
    const double rowsFromBottom = (ndcY + 1) / 2 * height;
    return {static_cast<int>(std::floor(columns)),
            static_cast<int>(std::floor(height - rowsFromBottom))};
}

Colour3 litFront(Colour3 diffuse, Vec3 point, Vec3 normal, Vec3 light)
{
    return lit({0.1, 0.1, 0.1}, diffuse, point, normal, light);
}

Colour3 litBack(Vec3 point, Vec3 normal, Vec3 light)
{
    return lit({0.2, 0.2, 0.2}, {0.8, 0.8, 0.8}, point, {-normal.x, -normal.y, -normal.z}, light);
}

SurfacePoint ellipsoidPoint(Vec3 centre, Vec3 axes, double radius, Vec3 direction)
{
    const Vec3 u = unit(direction);
    return {{centre.x + axes.x * radius * u.x, centre.y + axes.y * radius * u.y,
             centre.z + axes.z * radius * u.z},
            // The inverse transpose of the scale, applied to the sphere's unit normal.
            {u.x / axes.x, u.y / axes.y, u.z / axes.z}};
}

Colour3 colourAt(const headless::Image& image, PixelPosition at)
{
    const headless::Rgb p = image.at(at.x, at.y);
    return {p.red / 255.0, p.green / 255.0, p.blue / 255.0};
}

::testing::AssertionResult colourNear(const headless::Image& image, PixelPosition at,
                                      Colour3 expected, double tolerance)
{
    const Colour3 got = colourAt(image, at);
    if (std::fabs(got.red - expected.red) <= tolerance
        && std::fabs(got.green - expected.green) <= tolerance
        && std::fabs(got.blue - expected.blue) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "pixel (" << at.x << ", " << at.y << ") is (" << got.red << ", " << got.green << ", "
           << got.blue << "), expected (" << expected.red << ", " << expected.green << ", "
           << expected.blue << ") within " << tolerance;
}
