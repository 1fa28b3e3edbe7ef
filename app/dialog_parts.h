// Small pieces the program's dialogs share: where they open and how their
// push buttons are made.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

// Moves a window so that its centre lies on the centre of the screen's
// available area (the primary screen when the window is not on one yet).
void CentreOnScreen(QWidget *window);

// A push button named `objectName`. Return clicks the default button, or
// the button that has the focus.
QPushButton *DialogButton(QWidget *parent, const char *objectName, const QString &caption,
                          bool isDefault = false);
