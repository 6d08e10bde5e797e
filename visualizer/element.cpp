#include "element.h"

#include "cleared_stack_sphere.h"
#include "primitives.h"
#include "quadric.h"

#include <GL/gl.h>

#include <stdexcept>

TransformList::TransformList(std::initializer_list<Transform> transforms)
{
    for (const Transform& transform : transforms)
        append(transform);
}

void TransformList::append(const Transform& transform) { insert(size_, transform); }

void TransformList::insert(std::size_t position, const Transform& transform)
{
    if (size_ == capacity || position > size_)
        throw std::length_error("TransformList: no room for another transform at that position");
    for (std::size_t i = size_; i > position; --i)
        items_[i] = items_[i - 1];
    items_[position] = transform;
    ++size_;
}

Transform& TransformList::last()
{
    if (size_ == 0)
        throw std::out_of_range("TransformList: no transform at all");
    return items_[size_ - 1];
}

Transform& TransformList::operator[](std::size_t index)
{
    if (index >= size_)
        throw std::out_of_range("TransformList: no transform at that index");
    return items_[index];
}

const Transform& TransformList::operator[](std::size_t index) const
{
    if (index >= size_)
        throw std::out_of_range("TransformList: no transform at that index");
    return items_[index];
}

namespace {

void apply(const Transform& transform)
{
    const auto x = static_cast<GLfloat>(transform.x);
    const auto y = static_cast<GLfloat>(transform.y);
    const auto z = static_cast<GLfloat>(transform.z);
    switch (transform.kind) {
    case Transform::Kind::translate:
        glTranslatef(x, y, z);
        break;
    case Transform::Kind::rotate:
        glRotatef(static_cast<GLfloat>(transform.angle), x, y, z);
        break;
    case Transform::Kind::scale:
        glScalef(x, y, z);
        break;
    }
}

struct ShapeDrawer {
    GLUquadric* quadric;
    void operator()(const Sphere& s) const
    {
        gluSphereOverClearedStack(quadric, s.radius, s.slices, s.stacks);
    }
    void operator()(const Disk& d) const { gluDisk(quadric, d.inner, d.outer, d.slices, d.loops); }
    void operator()(const Cylinder& c) const
    {
        gluCylinder(quadric, c.base, c.top, c.height, c.slices, c.stacks);
    }
};

} // namespace

void drawShape(const Shape& shape)
{
    withQuadric([&shape](GLUquadric* quadric) { std::visit(ShapeDrawer{quadric}, shape); });
}

void setColour(Toge& surface, const Colour& colour)
{
    setColour(surface, colour.red, colour.green, colour.blue, colour.alpha);
}

void drawElement(Toge& surface, const Element& element)
{
    glPushMatrix();
    if (element.colour)
        setColour(surface, *element.colour);
    for (const Transform& transform : element.transforms)
        apply(transform);
    drawShape(element.shape);
    glPopMatrix();
}
