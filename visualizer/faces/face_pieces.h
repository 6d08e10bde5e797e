#pragma once

#include "face_template.h"

#include <cstdint>
#include <optional>
#include <vector>

// Pieces that several faces draw besides the template's own parts.

// A small white disk at each eye's centre, right then left, following the eyes' features and
// turned about y to face the camera. An eye larger than the template's hides it.
std::vector<FaceStep> eyeDisks(const FaceInputs& in);

// A bar across an eye, or a brow: an open cylinder running outwards along x from `start` (`side` 1
// on the right eye, -1 on the left), turned about x by the tilt if it has one. It sets no colour:
// it takes the black in force (the pupil's, drawn just before it), unless the face gives it one.
Element outwardBar(const Transform& start, double side, double radius, double length,
                   std::optional<double> tilt, std::int32_t slices);

// A red lip piece of semi-axes 4 x 2 x 2 centred at (x, 6, -1), turned by `turn` degrees.
Element tiltedLip(double x, double turn, std::int32_t slices);
