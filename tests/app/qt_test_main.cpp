// Runs the GoogleTest cases inside the program's application object, so the tests drive the same
// event handling and exception reporting as the program.
#include "dosecalc_application.h"
#ifndef _WIN32
#include "keep_gl_driver_loaded.h"
#endif

#include <QtGlobal>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
#ifdef DOSECALC_TEST_OFFSCREEN
    // No display and no GL: the window must still open and calculate.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
#endif
    ::testing::InitGoogleTest(&argc, argv);
    DoseCalcApplication application;
    const int status = RUN_ALL_TESTS();
    // The application object closes the X display when it goes; the leak check comes later. (On
    // Linux only: Windows has neither Mesa's drivers nor LeakSanitizer.)
#ifndef _WIN32
    keepGlDriversLoaded();
#endif
    return status;
}
