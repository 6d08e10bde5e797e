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
// A15 (first of two): staring eyes with glints that grow and move apart over 90 frames, then hold.
CommonDrawer drawDecorA15Eyes;
// A15 (second of two): a white two-part figure that waits right, rises beside the face and sways.
CommonDrawer drawDecorA15Figure;
// A16: the staring eyes at full size and a red trickle running down on the left.
CommonDrawer drawDecorA16;
// A17: two black glyphs above the eyes: two bars, a stem and two strokes spreading upwards.
CommonDrawer drawDecorA17;
// A18: the staring eyes at full size.
CommonDrawer drawDecorA18;
// A19: two white drops falling one after the other on the right, on the path of A9's drops.
CommonDrawer drawDecorA19;
// A20: three yellow stars around the face and the staring eyes, their pupils a little higher.
CommonDrawer drawDecorA20;
// A21: A20's stars, each outlined by a slightly larger black star behind it, and the eyes.
CommonDrawer drawDecorA21;
// A22: two black glyphs: a stem with a slanted stroke on each side.
CommonDrawer drawDecorA22;
// A23: two black glyphs: a stem, a bar, two crossing strokes and two feet.
CommonDrawer drawDecorA23;
// A24: two black glyphs: half-rings of dots, a bar and a slanted stroke.
CommonDrawer drawDecorA24;
// B1: a fan of twelve red rays from a red ball, turning in front of a yellow square.
CommonDrawer drawDecorB1;
// B2: a large yellow star on the centre line with a ball on each point.
CommonDrawer drawDecorB2;
// B7: the black bar glyph ┴.
CommonDrawer drawDecorB7;
// B8: the black bar glyph ┬.
CommonDrawer drawDecorB8;
// B9: the black bar glyph ├.
CommonDrawer drawDecorB9;
// B10: the black bar glyph ┤.
CommonDrawer drawDecorB10;
// B11: the black bar glyph ┌.
CommonDrawer drawDecorB11;
// B12: the black bar glyph ┐.
CommonDrawer drawDecorB12;
// B13: the black bar glyph └.
CommonDrawer drawDecorB13;
// B14: the black bar glyph ┘.
CommonDrawer drawDecorB14;
// B15: the black bar glyph ┼.
CommonDrawer drawDecorB15;
// B16: the black bar glyph ┼ with a black dot at its centre.
CommonDrawer drawDecorB16;
// C1: a black disk over the face.
CommonDrawer drawDecorC1;
// C2: a white disk over the face.
CommonDrawer drawDecorC2;
// C3: the black disk, shaking sideways in a three-frame cycle.
CommonDrawer drawDecorC3;
// C4: the white disk, shaking sideways in a three-frame cycle.
CommonDrawer drawDecorC4;
