#pragma once

#include <cstdint>

class Toge;

// The face drawers, one per catalogue entry the renderer has. Each takes the common drawer
// arguments: the surface, angle (degrees), band count, bandFeatures (entries 0..9 are read),
// slices, the excitement threshold, faceType and meanLevel; a face is excited when meanLevel is
// strictly above the threshold.

// Face type 1, the start face: the face template itself.
void drawFace1(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
               std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
               std::int32_t meanLevel);

// Face type 10, verdict level 0: the eyes closed in a smile (arches of dots for pupils).
void drawFace10(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);

// Face type 15, verdict level 4: tall, wide, blank staring eyes.
void drawFace15(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);

// Face type 19, verdict level 1: wide-open eyes with darting pupils.
void drawFace19(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);

// Face type 24, verdict level 2: large blank eyes and a four-piece mouth.
void drawFace24(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);

// Face type 28, verdict level 3: enlarged eyes squeezed shut.
void drawFace28(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);

// Face type 31, verdict levels 5 to 8: the distorted face.
void drawFace31(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel);
