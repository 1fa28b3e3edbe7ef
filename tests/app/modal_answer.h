// Acts on the next modal window as soon as it is open, as a user would
// answer it; the caller then starts what opens it.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

inline void WhenModalOpens(std::function<void(QWidget *modal)> answer)
{
    QTimer::singleShot(0, [answer = std::move(answer)] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal) {
            ADD_FAILURE() << "no modal window opened";
            return;
        }
        answer(modal);
    });
}
