#include "app/kit/dialog_button.h"

#include <QPushButton>

QPushButton *DialogButton(QWidget *parent, const char *objectName, const QString &caption, bool isDefault)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setDefault(isDefault);
    return button;
}
