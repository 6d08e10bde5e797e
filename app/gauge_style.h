#pragma once

class QProgressBar;

// Makes the bar paint its filled part in its palette's highlight colour, flat, under any style.
// Fusion and Qt's plain windows style take the colour from the palette of themselves (Fusion as a
// gradient); windowsvista, Qt's style on Windows, draws the system theme's bar and takes none. The
// bar gets a style of its own: the application's style in everything, its filled part drawn as that
// style shapes it (insets, rounded ends, blocks) but filled with the highlight colour. The rest of
// the window keeps the style as it is.
void paintBarInHighlightColour(QProgressBar* bar);
