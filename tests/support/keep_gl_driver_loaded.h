#pragma once

// Keeps the GL drivers this process has loaded (Mesa's DRI drivers) mapped until it ends.
//
// Closing the X display unloads the driver: Qt closes it when the application object goes, and
// Mesa's GLX then dlcloses swrast_dri.so. LeakSanitizer looks for leaks after that, at exit: with
// the driver's globals unmapped, blocks that only they still point to look leaked, and their
// frames lie in no module ("<unknown module>"), so no suppression by library name could even
// match them. Call this while the display is still open (after the tests, before the application
// object is destroyed); the driver then stays mapped, its blocks stay reachable and LeakSanitizer
// reports only what is really lost.
void keepGlDriversLoaded();
