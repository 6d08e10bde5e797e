#pragma once

// Keeps the GL drivers this process has loaded (Mesa's DRI drivers) mapped until it ends.
//
// Closing the X display unloads the driver: Qt closes it when the application object goes, and
// Mesa's GLX then dlcloses swrast_dri.so. LeakSanitizer checks for leaks after that, at exit, and
// can then name neither the function nor the library behind a block the driver left allocated
// ("<unknown module>"), so its suppressions, which go by library name, cannot match. Call this
// while the display is still open (after the tests, before the application object is destroyed).
void keepGlDriversLoaded();
