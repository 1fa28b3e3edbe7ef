#include "app/dialog_placement.h"

#include <QGuiApplication>
#include <QLayout>
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
