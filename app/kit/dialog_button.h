// The push buttons of the program's dialogs.
#pragma once

#include <QAnyStringView>
#include <QString>

class QPushButton;
class QWidget;

// A push button named `objectName`. Return clicks the default button, or
// the button that has the focus.
QPushButton *DialogButton(QWidget *parent, QAnyStringView objectName, const QString &caption, bool isDefault = false);
