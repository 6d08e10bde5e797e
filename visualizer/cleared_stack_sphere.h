#pragma once

#include <GL/glu.h>

// gluSphere with its arguments unchanged, called over a cleared stack.
//
// GLU's sphere (Debian 12's GLU 9.0, and every GLU built from the same SGI code) sets the normals
// of the fan around its camera-facing pole from its slice cache at index `stacks`; when the stacks
// exceed the slices (30 and 20 here), that entry was never written, so the normals are whatever an
// earlier call left on the stack: a dark speck that changes from frame to frame at the front of
// every sphere. Over zeroed memory the normal comes out right and every frame is the same. The
// caches live in gluSphere's own stack frame, so the region just below the caller's is cleared
// first; that is the only memory GLU reads uninitialised, and the only thing this changes.
void gluSphereOverClearedStack(GLUquadric* quadric, GLdouble radius, GLint slices, GLint stacks);
