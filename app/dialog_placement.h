// Where the program's dialogs open.
#pragma once

class QWidget;

// Moves a window so that its centre lies on the centre of the screen's
// available area (the primary screen when the window is not on one yet).
void CentreOnScreen(QWidget *window);
