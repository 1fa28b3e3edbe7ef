// Widgets of the program's dialogs carry object names, by which the dialog
// tests find them.
#pragma once

#include <QAnyStringView>

// Gives widget the object name and hands it back, so a widget is made and
// named in one expression.
template<typename Widget>
Widget *Named(Widget *widget, QAnyStringView name)
{
    widget->setObjectName(name);
    return widget;
}
