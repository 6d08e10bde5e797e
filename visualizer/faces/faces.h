#pragma once

#include "drawer.h"

#include <cstdint>

// The face drawers, one per catalogue entry the renderer has, each with the common drawer
// arguments.

// Face type 1, the start face: the face template itself.
CommonDrawer drawFace1;
// Face types 2 and 3 (by faceType): the whole template at twice the size with the eyes set back,
// or at half the size with the mouth raised.
CommonDrawer drawFace2;
// Face type 4: eyes and pupils set close together, lower and nearer; smaller lips raised.
CommonDrawer drawFace4;
// Face types 5 and 6 (by faceType): long flat eyes with pupils swinging twice as far and faster.
CommonDrawer drawFace5;
// Face types 7 and 8: tall eyes with still pupils, the face looking up (ninth argument, the
// direction, 1) or down (2).
NinthArgumentDrawer drawFace7;
// Face type 9: exactly face type 1.
CommonDrawer drawFace9;
// Face type 10, verdict level 0: the eyes closed in a smile (arches of dots for pupils).
CommonDrawer drawFace10;
// Face type 11: eyes squeezed shut by short black marks.
CommonDrawer drawFace11;
// Face type 12: a level black bar across each eye; both pupils swing the same way.
CommonDrawer drawFace12;
// Face type 13: eye bars rising towards the outer side.
CommonDrawer drawFace13;
// Face type 14: longer eye bars set higher, falling towards the outer side.
CommonDrawer drawFace14;
// Face type 15, verdict level 4: tall, wide, blank staring eyes.
CommonDrawer drawFace15;
// Face type 16: eyes and nose-and-mouth circling on wheels behind still pupils and lips.
CommonDrawer drawFace16;
// Face type 17: level eye bars, the left eye, pupil and bar raised.
CommonDrawer drawFace17;
// Face type 18: the template, always excited.
CommonDrawer drawFace18;
// Face type 19, verdict level 1: wide-open eyes with darting pupils.
CommonDrawer drawFace19;
// Face type 20: the template shaken sideways, right, centre and left on successive frames.
CommonDrawer drawFace20;
// Face type 21: the template looking the way `gaze` points (degrees; 0 up, 90 to the right).
NinthArgumentDrawer drawFace21;
// Face type 22: eyes shut as black bars, red lips crossed in an X.
CommonDrawer drawFace22;
// Face type 23: wide eyes, a four-piece mouth, the dark-red inner shapes always showing.
CommonDrawer drawFace23;
// Face type 24, verdict level 2: large blank eyes and a four-piece mouth.
CommonDrawer drawFace24;
// Face type 25: a small round mouth, a ring of four red pieces in place of the lips.
CommonDrawer drawFace25;
// Face type 26: enlarged eyes, pupils swinging together, slanting black brows.
CommonDrawer drawFace26;
// Face type 27: large pupils in one of four variants (the ninth argument; the composer's is 2):
// looking up, moved down, looking to the viewer's left, to the right.
NinthArgumentDrawer drawFace27;
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
