// The output commands' dialogs open centred on the screen, not over the main
// window.
#pragma once

class QWidget;

// Moves the window so that its frame is centred on the available area of
// the screen it is on (the primary screen before it was ever shown).
void CenterOnScreen(QWidget *window);
