#pragma once

#include "drawer.h"

// The decoration drawers the renderer has, drawn over the face, each with the common drawer
// arguments.

// A1 to A3: one translucent thick arrow, spinning about the origin (A1), fixed up and right of the
// centre (A2, red) or down and right of it (A3, blue).
CommonDrawer drawDecorA1;
CommonDrawer drawDecorA2;
CommonDrawer drawDecorA3;
// A4 to A7: four translucent wedges marching ten frames apart, in from the left and turning up
// (A4) or down (A5), or up (A6) or down (A7) the centre line to park beside the centre.
CommonDrawer drawDecorA4;
CommonDrawer drawDecorA5;
CommonDrawer drawDecorA6;
CommonDrawer drawDecorA7;
// A8: four black bars hanging from the top edge at the left, over a whitish square behind the face.
CommonDrawer drawDecorA8;
// A9, verdict level 2: four blue drops falling in two columns beside the face.
CommonDrawer drawDecorA9;
// A10 to A13 (also B3 to B6): one static translucent red mark over the face: a target of two
// rings (A10), one ring (A11), a diagonal cross (A12), the outline of an upright triangle (A13).
CommonDrawer drawDecorA10;
CommonDrawer drawDecorA11;
CommonDrawer drawDecorA12;
CommonDrawer drawDecorA13;
// A14, verdict level 0: four white ellipsoids below the centre, jittering in a four-frame cycle.
CommonDrawer drawDecorA14;
// A17: two black glyphs above the eyes: two bars, a stem and two strokes spreading upwards.
CommonDrawer drawDecorA17;
// A22: two black glyphs: a stem with a slanted stroke on each side.
CommonDrawer drawDecorA22;
// A23: two black glyphs: a stem, a bar, two crossing strokes and two feet.
CommonDrawer drawDecorA23;
// A24: two black glyphs: half-rings of dots, a bar and a slanted stroke.
CommonDrawer drawDecorA24;
