#include "app/kit/dialog_button.h"

#include "app/kit/named_widget.h"

#include <QPushButton>

QPushButton *DialogButton(QWidget *parent, QAnyStringView objectName, const QString &caption, bool isDefault)
{
    auto *button = Named(new QPushButton(caption, parent), objectName);
    button->setDefault(isDefault);
    return button;
}
