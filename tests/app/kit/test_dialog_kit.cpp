// The dialog kit: named widgets, dialog buttons and centring on the screen.
#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <cstdlib>

#include <gtest/gtest.h>

TEST(DialogKit, ButtonsCarryNameCaptionAndTheDefaultFlag)
{
    QDialog dialog;
    QPushButton *ok = DialogButton(&dialog, "btnOk", QStringLiteral("Ok"), true);
    QPushButton *cancel = DialogButton(&dialog, QStringLiteral("btnCancel"), QStringLiteral("Cancel"));
    EXPECT_EQ(ok->parent(), &dialog);
    EXPECT_EQ(ok->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(ok->isDefault());
    EXPECT_FALSE(cancel->isDefault());
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("btnOk")), ok);
    EXPECT_EQ(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel")), cancel);

    auto *label = Named(new QLabel(&dialog), "lblTitle");
    EXPECT_EQ(dialog.findChild<QLabel *>(QStringLiteral("lblTitle")), label);
}

TEST(DialogKit, CentringPutsTheWindowInTheMiddleOfTheScreen)
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    QDialog dialog;
    dialog.resize(200, 100);
    dialog.move(0, 0);
    CenterOnScreen(&dialog);
    const QPoint middle = screen->availableGeometry().center();
    EXPECT_LE(std::abs(dialog.frameGeometry().center().x() - middle.x()), 1);
    EXPECT_LE(std::abs(dialog.frameGeometry().center().y() - middle.y()), 1);
}
