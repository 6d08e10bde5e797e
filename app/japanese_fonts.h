#pragma once

#include <QStringList>

// The Japanese Gothic faces the window is set in, best first; Qt takes a character missing from
// one face from the next.

// Proportional: the window's texts.
QStringList proportionalGothicFamilies();

// Every full-width character exactly twice as wide as a Latin one: the columns of the dose's
// breakdown.
QStringList columnGothicFamilies();

// On Windows, where none of the system's Japanese Gothic faces is installed (as under Wine), adds
// the IPA fonts shipped in the program's fonts folder, so that no text shows as empty boxes.
// Elsewhere the system's IPA fonts are used and this does nothing. Call once the application
// object exists.
void addShippedJapaneseFonts();
