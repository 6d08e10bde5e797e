#pragma once

#include "drawer.h"

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
// Face type 24, verdict level 2: large blank eyes and a four-piece mouth.
CommonDrawer drawFace24;
// Face type 28, verdict level 3: enlarged eyes squeezed shut.
CommonDrawer drawFace28;
// Face type 31, verdict levels 5 to 8: the distorted face.
CommonDrawer drawFace31;
