#pragma once

#include "face_plan.h"

#include <initializer_list>

// Changes a face makes to several parts of its plan at once, said once for all of them.

// Moves each given part as a whole: (dx, dy, dz) is added to its first translation.
void moveParts(FacePlan& face, std::initializer_list<FacePart> parts, double dx, double dy,
               double dz);
// Inserts the transform after each given part's first translation: the part moves from its own
// place, before its scale and its excited steps.
void insertAfterFirstTranslation(FacePlan& face, std::initializer_list<FacePart> parts,
                                 const Transform& transform);
// Moves every element of the face, shown or not, the same way.
void moveWholeFace(FacePlan& face, double dx, double dy, double dz);
// Gives both eyes the fixed scale (sx, sy, 1): they no longer follow bandFeatures[0] to [3].
void fixEyeScale(FacePlan& face, double sx, double sy);
// Draws each given part on a sphere of the radius.
void setRadius(FacePlan& face, std::initializer_list<FacePart> parts, double radius);
