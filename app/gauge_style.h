#pragma once

class QProgressBar;

// Makes the bar paint its filled part in its palette's highlight colour under any style. Fusion and
// Qt's plain windows style do so of themselves; windowsvista, Qt's style on Windows, draws the
// system theme's bar and takes no colour from the palette. The bar gets a style of its own: the
// application's style in everything, its filled part drawn as that style shapes it (insets, rounded
// ends, blocks) but filled with the highlight colour. The rest of the window keeps the style as it
// is.
void paintBarInHighlightColour(QProgressBar* bar);
