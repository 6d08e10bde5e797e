#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <variant>

class Toge;

// An RGBA colour for setColour, components in 0 to 1.
struct Colour {
    double red;
    double green;
    double blue;
    double alpha;
};

// One modelview transform call. Values are computed in double precision and handed to GL as
// floats when the element is drawn.
struct Transform {
    enum class Kind : std::uint8_t { translate, rotate, scale };
    Kind kind;
    double angle; // rotate: degrees
    double x;     // translate and scale: the vector; rotate: the axis
    double y;
    double z;
};

inline constexpr Transform translate(double x, double y, double z)
{
    return {Transform::Kind::translate, 0.0, x, y, z};
}
inline constexpr Transform rotate(double degrees, double axisX, double axisY, double axisZ)
{
    return {Transform::Kind::rotate, degrees, axisX, axisY, axisZ};
}
// A turn about the z axis, the usual turn of a figure's part in its own plane.
inline constexpr Transform rotateZ(double degrees)
{
    return rotate(degrees, 0.0, 0.0, 1.0);
}
inline constexpr Transform scale(double x, double y, double z)
{
    return {Transform::Kind::scale, 0.0, x, y, z};
}

// The transform calls of one element, in call order: the first one is the outermost.
class TransformList {
public:
    static constexpr std::size_t capacity = 8;

    TransformList() = default;
    TransformList(std::initializer_list<Transform> transforms);

    void append(const Transform& transform);
    void insert(std::size_t position, const Transform& transform);
    // The last call; the list must not be empty.
    Transform& last();

    Transform& operator[](std::size_t index);
    const Transform& operator[](std::size_t index) const;
    std::size_t size() const { return size_; }
    const Transform* begin() const { return items_.data(); }
    const Transform* end() const { return items_.data() + size_; }

private:
    std::array<Transform, capacity> items_{};
    std::size_t size_ = 0;
};

// The GLU shapes. Stacks and loops are 30 in the faces; a few decorations use other counts.
struct Sphere {
    double radius;
    std::int32_t slices;
    std::int32_t stacks = 30;
};
struct Disk {
    double inner;
    double outer;
    std::int32_t slices;
    std::int32_t loops = 30;
};
struct Cylinder {
    double base;
    double top;
    double height;
    std::int32_t slices;
    std::int32_t stacks = 30;
};
using Shape = std::variant<Sphere, Disk, Cylinder>;

// One drawn part of a figure: matrix push, its colour (or none, keeping the material in force),
// its transforms in order, its shape on a quadric of its own, matrix pop.
struct Element {
    std::optional<Colour> colour;
    TransformList transforms;
    Shape shape;
};

void drawElement(Toge& surface, const Element& element);
// setColour with a colour of this kind.
void setColour(Toge& surface, const Colour& colour);
// The shape alone, on its own quadric, in the current matrix.
void drawShape(const Shape& shape);
