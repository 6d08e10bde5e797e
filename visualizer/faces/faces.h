#pragma once

#include "drawer.h"

#include <cstdint>

// The face drawers, one per catalogue entry the renderer has, each with the common drawer
// arguments.

// Face type 1, the start face: the face template itself.
CommonDrawer drawFace1;
// Face type 10, verdict level 0: the eyes closed in a smile (arches of dots for pupils).
CommonDrawer drawFace10;
// Face type 15, verdict level 4: tall, wide, blank staring eyes.
CommonDrawer drawFace15;
// Face type 19, verdict level 1: wide-open eyes with darting pupils.
CommonDrawer drawFace19;
// Face type 20: the template shaken sideways, right, centre and left on successive frames.
CommonDrawer drawFace20;
// Face type 21: the template looking the way `gaze` points (degrees; 0 up, 90 to the right).
void drawFace21(Toge& surface, std::int32_t angle, std::int32_t bandCount, const double* bandFeatures,
                std::int32_t slices, std::int32_t threshold, std::int32_t faceType,
                std::int32_t meanLevel, std::int32_t gaze);
// Face type 22: eyes shut as black bars, red lips crossed in an X.
CommonDrawer drawFace22;
// Face type 23: wide eyes, a four-piece mouth, the dark-red inner shapes always showing.
CommonDrawer drawFace23;
// Face type 24, verdict level 2: large blank eyes and a four-piece mouth.
CommonDrawer drawFace24;
// Face type 26: enlarged eyes, pupils swinging together, slanting black brows.
CommonDrawer drawFace26;
// Face type 28, verdict level 3: enlarged eyes squeezed shut.
CommonDrawer drawFace28;
// Face type 29: the template drawn small.
CommonDrawer drawFace29;
// Face type 30: the template drawn large.
CommonDrawer drawFace30;
// Face type 31, verdict levels 5 to 8: the distorted face.
CommonDrawer drawFace31;
// Face type 32: a flat yellow pentagon with three black strokes (drawn showing its grey back).
CommonDrawer drawFace32;
// Face type 33: lopsided, one large eye with a large pupil.
CommonDrawer drawFace33;
// Face type 34: the template with its features moved down the screen.
CommonDrawer drawFace34;
// Face type 35: the template with its features moved up the screen.
CommonDrawer drawFace35;
// Face type 36: huge eyes and thick lips swinging towards the camera and back.
CommonDrawer drawFace36;
