#pragma once

class QLabel;

// Lets the user take a label's text away: select it with the mouse (a double click selects all of
// it but the padding blanks), copy it with Ctrl+C, or from the label's context menu (コピー copies
// the selection, or the whole text without its padding blanks when nothing is selected; すべて選択
// selects it all). The label takes focus only from a click, so it stays out of the tab order.
void makeCopyable(QLabel* label);
