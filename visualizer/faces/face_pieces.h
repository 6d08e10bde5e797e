#pragma once

#include "face_template.h"

#include <cstdint>
#include <vector>

// Pieces that several faces draw besides the template's own parts.

// A small white disk at each eye's centre, right then left, following the eyes' features and
// turned about y to face the camera. An eye larger than the template's hides it.
std::vector<FaceStep> eyeDisks(const FaceInputs& in);

// A red lip piece of semi-axes 4 x 2 x 2 centred at (x, 6, -1), turned by `turn` degrees.
Element tiltedLip(double x, double turn, std::int32_t slices);

// A mouth of four red pieces that stay put when excited: a tilted end on each side (turned by
// +endTurn on the left and -endTurn on the right), a long bar at upperBarY and a shorter one
// below, both barHeight times a sphere of radius 2 high. Only the left end follows
// bandFeatures[8]; the other three follow bandFeatures[9].
std::vector<FaceStep> fourPieceMouth(const FaceInputs& in, double endTurn, double upperBarY,
                                     double barHeight);
