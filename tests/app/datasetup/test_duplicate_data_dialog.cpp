// The "Copy Data" target dialog: only a data-set number 1 to 6 confirms it.
#include "app/datasetup/duplicate_data_dialog.h"

#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/support/system_sound_recorder.h"

#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace dialog_test {
namespace {

using pheltra::controls::SystemSound;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;
using Sounds = std::vector<SystemSound>;

class DuplicateDataTest : public ::testing::Test
{
protected:
    bool Run(const ModalAction &action)
    {
        WhenModalShows(action);
        return dialog_.Execute();
    }
    static TNumEdit *Number(QWidget *d) { return Child<TNumEdit>(d, "numbSetNr"); }

    TDuplicateDlg dialog_;
    ModalActionScope modalActions_;
    SystemSoundRecorder sounds_;
};

TEST_F(DuplicateDataTest, AsksForTheTargetWithoutACloseBox)
{
    QStringList texts;
    Run([&](QWidget *d) {
        for (const QLabel *label : d->findChildren<QLabel *>())
            texts << label->text();
        EXPECT_EQ(d->windowTitle(), "Duplicate Data");
        EXPECT_FALSE(d->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_TRUE(Number(d)->hasFocus());
        EXPECT_EQ(Number(d)->text(), "");
        EXPECT_EQ(Child<QPushButton>(d, "OkBtn")->text(), "OK");
        EXPECT_TRUE(Child<QPushButton>(d, "OkBtn")->isDefault());
        Shot(d, "duplicate_data");
        Click(d, "CancelBtn");
    });
    texts.sort();
    EXPECT_EQ(texts,
              QStringList({"Data in that set will be lost!", "Paste all data from the current data",
                           "set to data set number :"}));
}

TEST_F(DuplicateDataTest, EveryNumberFromOneToSixConfirms)
{
    for (int n = 1; n <= 6; ++n) {
        EXPECT_TRUE(Run([n](QWidget *d) {
            QTest::keyClicks(Number(d), QString::number(n));
            QTest::keyClick(Number(d), Qt::Key_Return);
        }));
        EXPECT_EQ(dialog_.SetNumber(), n);
    }
    EXPECT_TRUE(sounds_.Take().empty());
}

TEST_F(DuplicateDataTest, AnEmptyNumberOrSevenKeepsItOpenWithOneBeep)
{
    EXPECT_TRUE(Run([this](QWidget *d) {
        // Empty passes the field's own check; the dialog refuses it.
        Click(d, "OkBtn");
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(Number(d)->hasFocus());
        // 7 fails the field's own check as the click moves the focus.
        QTest::keyClicks(Number(d), QStringLiteral("7"));
        Click(d, "OkBtn");
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        EXPECT_TRUE(Number(d)->hasFocus());
        EXPECT_EQ(Number(d)->selectedText(), "7");
        QTest::keyClick(Number(d), Qt::Key_Return);
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        EXPECT_TRUE(d->isVisible());
        QTest::keyClicks(Number(d), QStringLiteral("0"));
        QTest::keyClick(Number(d), Qt::Key_Return);
        EXPECT_EQ(sounds_.Take(), Sounds{SystemSound::kBeep});
        QTest::keyClicks(Number(d), QStringLiteral("6"));
        Click(d, "OkBtn");
    }));
    EXPECT_EQ(dialog_.SetNumber(), 6);
}

TEST_F(DuplicateDataTest, CancelAlwaysClosesAndTheNextRunStartsEmpty)
{
    EXPECT_FALSE(Run([](QWidget *d) {
        QTest::keyClicks(Number(d), QStringLiteral("9"));
        Click(d, "CancelBtn");
    }));
    EXPECT_EQ(dialog_.SetNumber(), 0);
    EXPECT_FALSE(Run([](QWidget *d) {
        EXPECT_EQ(Number(d)->text(), "");
        QTest::keyClicks(Number(d), QStringLiteral("2"));
        QTest::keyClick(Number(d), Qt::Key_Escape);
    }));
    EXPECT_EQ(dialog_.SetNumber(), 0);
}

} // namespace
} // namespace dialog_test
