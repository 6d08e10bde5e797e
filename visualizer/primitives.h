#pragma once

class Toge;

// The shared drawing primitives. Each takes the surface first, to keep one calling shape for all
// drawing functions, and draws at once in the current modelview matrix. Coordinates are scene
// coordinates: +x is the viewer's right, -y is up the screen, smaller z is nearer the camera.

// Sets the front material: ambient 0.1 grey, the given diffuse colour, white specular,
// shininess 0. Back faces keep whatever material they had (GL's default one in this program).
void setColour(Toge& surface, double red, double green, double blue, double alpha);

// Filled polygons with the normal (0, 0, -1), vertices emitted exactly as given.
void drawTriangle(Toge& surface, double x1, double y1, double x2, double y2, double x3, double y3,
                  double z);
void drawQuad(Toge& surface, double x1, double y1, double x2, double y2, double x3, double y3,
              double x4, double y4, double z);
// An axis-aligned rectangle between the x bounds x1, x2 and the y bounds y1, y2, emitted as
// (x2, y1), (x2, y2), (x1, y2), (x1, y1).
void drawRect(Toge& surface, double x1, double x2, double y1, double y2, double z);
void drawPentagon(Toge& surface, double x1, double y1, double x2, double y2, double x3, double y3,
                  double x4, double y4, double x5, double y5, double z);

// A triangle whose base runs through (cx, cy), halfBase on either side, with its tip tipLength
// away along direction (degrees). Centre and direction are taken screen-up: cy is negated, and
// the direction counts counter-clockwise on screen from the viewer's right.
void drawWedge(Toge& surface, double cx, double cy, double tipLength, double halfBase,
               double direction, double z);
// A teardrop: the wedge plus a disk of the given radius over its base, facing the camera.
void drawDrop(Toge& surface, double cx, double cy, double tipLength, double radius,
              double direction, double z);
// A sphere of the given radius at the current origin, 30 slices and 30 stacks.
void drawBall(Toge& surface, double radius);

// The corners drawWedge emits, in scene coordinates, in emission order.
struct Point2 {
    double x;
    double y;
};
struct WedgeCorners {
    Point2 tip;
    Point2 firstBase;
    Point2 secondBase;
};
WedgeCorners wedgeCorners(double cx, double cy, double tipLength, double halfBase,
                          double direction);
