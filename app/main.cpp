#include "dosecalc_application.h"
#include "mainframe.h"

// The command line is ignored. An exception escaping start-up or the event loop is shown in a
// message box; the program still ends with exit code 0. The parameters are declared though unused:
// on Windows Qt's entry point calls main, renamed by Qt's headers, with them.
int main(int, char**)
{
    DoseCalcApplication application;
    application.runGuarded([&application] {
        TMainForm mainForm;
        MainForm = &mainForm;
        mainForm.show();
        DoseCalcApplication::exec();
        MainForm = nullptr;
    });
    return 0;
}
