#include "app/dialog_parts.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // Before the first showing the layout has not sized the window yet.
    if (!window->isVisible() && window->layout())
        window->layout()->activate();
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

QPushButton *DialogButton(QWidget *parent, const char *objectName, const QString &caption, bool isDefault)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setDefault(isDefault);
    return button;
}
