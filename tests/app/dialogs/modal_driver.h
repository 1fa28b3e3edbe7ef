// Acts in a modal dialog while the dialog's own event loop runs, as a user
// would: the action is queued before the code under test opens the dialog
// and runs as soon as a modal window other than the one on top at queueing
// time is shown. Nested dialogs are driven by queueing the inner action from
// within the outer one, just before the click that opens the inner dialog.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QPixmap>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <ostream>

// Readable QStrings in the messages of failed expectations.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace dialog_test {

using ModalAction = std::function<void(QWidget *dialog)>;

namespace detail {

// About two seconds of polling: a dialog opens within one event-loop turn.
constexpr int kPollTries = 400;

inline void PollForModal(const QPointer<QWidget> &before, const ModalAction &action, int triesLeft)
{
    // The dialog is shown and has the keyboard, as a user finds it.
    QWidget *top = QApplication::activeModalWidget();
    if (top && top != before && top->isVisible() && top->isActiveWindow()) {
        action(top);
        return;
    }
    if (triesLeft == 0) {
        ADD_FAILURE() << "no modal dialog appeared";
        return;
    }
    QTimer::singleShot(5, [before, action, triesLeft] { PollForModal(before, action, triesLeft - 1); });
}

} // namespace detail

inline void WhenModalShows(ModalAction action)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [before, action = std::move(action)] {
        detail::PollForModal(before, action, detail::kPollTries);
    });
}

// For looking at the dialogs: when PHELTRA_DIALOG_SHOTS names a folder, saves
// what the screen shows of `window` there as <name>.png (run the tests on a
// real display, QT_QPA_PLATFORM=xcb under Xvfb, to see the platform's look).
inline void Shot(QWidget *window, const char *name)
{
    const QString folder = qEnvironmentVariable("PHELTRA_DIALOG_SHOTS");
    if (folder.isEmpty())
        return;
    QApplication::processEvents();
    window->grab().save(folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
}

// The modal dialog's child named `name`, failing the test when it is absent.
template <typename Widget>
Widget *Child(QWidget *dialog, const char *name)
{
    auto *child = dialog->findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no control " << name;
    return child;
}

} // namespace dialog_test
