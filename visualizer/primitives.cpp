#include "primitives.h"

#include "angles.h"
#include "element.h"

#include <GL/gl.h>

#include <cmath>

void setColour(Toge& /*surface*/, double red, double green, double blue, double alpha)
{
    const GLfloat ambient[] = {0.1F, 0.1F, 0.1F, 1.0F};
    const GLfloat diffuse[] = {static_cast<GLfloat>(red), static_cast<GLfloat>(green),
                               static_cast<GLfloat>(blue), static_cast<GLfloat>(alpha)};
    const GLfloat specular[] = {1.0F, 1.0F, 1.0F, 1.0F};
    const GLfloat shininess[] = {0.0F};
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_SHININESS, shininess);
}

namespace {

// A flat polygon facing the camera, its vertices as passed, all at depth z.
void drawPolygon(std::initializer_list<Point2> vertices, double z)
{
    glBegin(GL_POLYGON);
    glNormal3d(0.0, 0.0, -1.0);
    for (const Point2& v : vertices)
        glVertex3d(v.x, v.y, z);
    glEnd();
}

} // namespace

void drawTriangle(Toge& /*surface*/, double x1, double y1, double x2, double y2, double x3,
                  double y3, double z)
{
    drawPolygon({{x1, y1}, {x2, y2}, {x3, y3}}, z);
}

void drawQuad(Toge& /*surface*/, double x1, double y1, double x2, double y2, double x3, double y3,
              double x4, double y4, double z)
{
    drawPolygon({{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}}, z);
}

void drawRect(Toge& /*surface*/, double x1, double x2, double y1, double y2, double z)
{
    drawPolygon({{x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}}, z);
}

void drawPentagon(Toge& /*surface*/, double x1, double y1, double x2, double y2, double x3,
                  double y3, double x4, double y4, double x5, double y5, double z)
{
    drawPolygon({{x1, y1}, {x2, y2}, {x3, y3}, {x4, y4}, {x5, y5}}, z);
}

WedgeCorners wedgeCorners(double cx, double cy, double tipLength, double halfBase, double direction)
{
    // A point at radius rho along angle phi, taken screen-up and turned into scene coordinates.
    const auto along = [cx, cy](double rho, double phi) {
        return Point2{cx + rho * angles::cosLong(phi), -(cy + rho * angles::sinLong(phi))};
    };
    return {along(tipLength, direction), along(halfBase, direction - 90.0),
            along(halfBase, direction + 90.0)};
}

void drawWedge(Toge& surface, double cx, double cy, double tipLength, double halfBase,
               double direction, double z)
{
    const WedgeCorners c = wedgeCorners(cx, cy, tipLength, halfBase, direction);
    drawTriangle(surface, c.tip.x, c.tip.y, c.firstBase.x, c.firstBase.y, c.secondBase.x,
                 c.secondBase.y, z);
}

void drawDrop(Toge& surface, double cx, double cy, double tipLength, double radius,
              double direction, double z)
{
    drawWedge(surface, cx, cy, tipLength, radius, direction, z);
    // The round end: a disk turned about x so that its front faces the camera.
    drawElement(surface, {std::nullopt,
                          {translate(cx, -cy, z), rotate(180.0, 1.0, 0.0, 0.0)},
                          Disk{0.0, radius, 30, 30}});
}

void drawBall(Toge& /*surface*/, double radius)
{
    drawShape(Sphere{radius, 30, 30});
}
