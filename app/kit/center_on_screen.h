// The main window, the splash window and the dialogs open centred on the
// screen, not over the window that opened them.
#pragma once

class QWidget;

// Moves the window so that its frame is centred on the available area of
// the screen it is on (the primary screen before it was ever shown).
void CenterOnScreen(QWidget *window);
