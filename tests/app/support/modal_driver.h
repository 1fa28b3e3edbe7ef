// Acts in a modal dialog while the dialog's own event loop runs, as a user
// would: the action is queued before the code under test opens the dialog
// and runs as soon as a modal window other than the one on top at queueing
// time is shown. Nested dialogs are driven by queueing the inner action from
// within the outer one, just before the click that opens the inner dialog.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPixmap>
#include <QPointer>
#include <QTest>
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

// Actions queued before the last CancelModalActions() are dropped.
inline int &Generation()
{
    static int generation = 0;
    return generation;
}

inline void PollForModal(const QPointer<QWidget> &before, const ModalAction &action, int triesLeft, int generation)
{
    if (generation != Generation())
        return;
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
    QTimer::singleShot(
        5, [before, action, triesLeft, generation] { PollForModal(before, action, triesLeft - 1, generation); });
}

} // namespace detail

inline void WhenModalShows(ModalAction action)
{
    QPointer<QWidget> before = QApplication::activeModalWidget();
    QTimer::singleShot(0, [before, action = std::move(action), generation = detail::Generation()] {
        detail::PollForModal(before, action, detail::kPollTries, generation);
    });
}

// Drops the actions still waiting for their dialog, so that a test that
// failed before its dialog opened leaves nothing behind for the next one.
inline void CancelModalActions()
{
    ++detail::Generation();
}

// A guard that cancels the waiting actions when the test ends.
struct ModalActionScope
{
    ModalActionScope() = default;
    ModalActionScope(const ModalActionScope &) = delete;
    ModalActionScope &operator=(const ModalActionScope &) = delete;
    ~ModalActionScope() { CancelModalActions(); }
};

// For looking at the dialogs: when PHELTRA_DIALOG_SHOTS names a folder, saves
// what the screen shows of `window` there as <name>.png (run the tests on a
// real display, QT_QPA_PLATFORM=xcb under Xvfb, to see the platform's look),
// then keeps the window on screen for PHELTRA_DIALOG_SHOT_WAIT milliseconds,
// time for a screenshot of the whole display.
inline void Shot(QWidget *window, const char *name)
{
    const QString folder = qEnvironmentVariable("PHELTRA_DIALOG_SHOTS");
    if (folder.isEmpty())
        return;
    QApplication::processEvents();
    window->grab().save(folder + u'/' + QString::fromLatin1(name) + QStringLiteral(".png"));
    QTest::qWait(qEnvironmentVariableIntValue("PHELTRA_DIALOG_SHOT_WAIT"));
}

// The modal dialog's child named `name`, failing the test when it is absent.
template<typename Widget>
Widget *Child(QWidget *dialog, const char *name)
{
    auto *child = dialog->findChild<Widget *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << "no control " << name;
    return child;
}

// Clicks the dialog's button named `name` with the mouse.
inline void Click(QWidget *dialog, const char *name)
{
    if (auto *button = Child<QAbstractButton>(dialog, name))
        QTest::mouseClick(button, Qt::LeftButton);
}

// Double-clicks `widget` at `pos` as a mouse does: a click, then the second
// press that the platform reports as a double-click, then its release.
inline void DoubleClick(QWidget *widget, QPoint pos = QPoint())
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Chooses `text` in a drop-down list with the mouse: opens the list and
// clicks the item.
inline void PickFromList(QComboBox *list, const QString &text)
{
    const int index = list->findText(text);
    ASSERT_GE(index, 0) << "no item " << text.toStdString();
    list->showPopup();
    QAbstractItemView *view = list->view();
    const QRect item = view->visualRect(view->model()->index(index, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
    ASSERT_EQ(list->currentText(), text);
    ASSERT_FALSE(view->isVisible());
}

} // namespace dialog_test
