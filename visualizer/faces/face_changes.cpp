#include "face_changes.h"

#include "face_template.h"

namespace {

void move(Element& element, double dx, double dy, double dz)
{
    Transform& first = firstTranslation(element);
    first.x += dx;
    first.y += dy;
    first.z += dz;
}

} // namespace

void moveParts(FacePlan& face, std::initializer_list<FacePart> parts, double dx, double dy,
               double dz)
{
    for (const FacePart part : parts)
        move(face[part], dx, dy, dz);
}

void insertAfterFirstTranslation(FacePlan& face, std::initializer_list<FacePart> parts,
                                 const Transform& transform)
{
    for (const FacePart part : parts)
        insertAfterFirstTranslation(face[part], transform);
}

void moveWholeFace(FacePlan& face, double dx, double dy, double dz)
{
    face.forEachElement([&](FacePart, Element& element) { move(element, dx, dy, dz); });
}

void fixEyeScale(FacePlan& face, double sx, double sy)
{
    finalScale(face[FacePart::rightEye]) = scale(sx, sy, 1);
    finalScale(face[FacePart::leftEye]) = scale(sx, sy, 1);
}

void setRadius(FacePlan& face, std::initializer_list<FacePart> parts, double radius)
{
    for (const FacePart part : parts)
        sphereRadius(face[part]) = radius;
}
