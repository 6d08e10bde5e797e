#pragma once

#include "drawer.h"

// The decoration drawers the renderer has, drawn over the face, each with the common drawer
// arguments.

// A9, verdict level 2: four blue drops falling in two columns beside the face.
CommonDrawer drawDecorA9;
// A14, verdict level 0: four white ellipsoids below the centre, jittering in a four-frame cycle.
CommonDrawer drawDecorA14;
