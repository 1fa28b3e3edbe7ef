// The plot range dialog: the corrections of "Ok" in their order, the
// dialog kept open after a correction, "Full scale" and Cancel.
#include "app/viewdialogs/plot_range_dialog.h"

#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/field_typing.h"
#include "tests/support/system_sound_recorder.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using app_test::TypeInto;
using pheltra::controls::SystemSoundRecorder;
using pheltra::controls::TNumEdit;

class PlotRangeDialog : public ::testing::Test
{
protected:
    // Types both fields and clicks "Ok"; true when the dialog closed.
    bool TypeAndOk(const char *minimum, const char *maximum)
    {
        TypeInto(dialog.numeditMinEnergy, QString::fromLatin1(minimum));
        TypeInto(dialog.numeditMaxEnergy, QString::fromLatin1(maximum));
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        return !dialog.isVisible();
    }
    QString MinText() const { return dialog.numeditMinEnergy->text(); }
    QString MaxText() const { return dialog.numeditMaxEnergy->text(); }

    dialog_test::ModalActionScope scope;
    TPlotRange range;
    TPlotRangeDlg dialog{range};
};

TEST_F(PlotRangeDialog, ShowsTheStoredRange)
{
    range = {2.5, 300};
    dialog_test::WhenModalShows([this](QWidget *modal) {
        EXPECT_EQ(modal->windowTitle(), QStringLiteral("Plot Range"));
        EXPECT_EQ(MinText(), QStringLiteral("2.50"));
        EXPECT_EQ(MaxText(), QStringLiteral("300.00"));
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(range.Min, 2.5);
    EXPECT_EQ(range.Max, 300.0);
}

TEST_F(PlotRangeDialog, MaximumBelowTwiceTheMinimumIsRaised)
{
    dialog_test::WhenModalShows([this](QWidget *) {
        EXPECT_FALSE(TypeAndOk("100", "150"));
        EXPECT_EQ(MinText(), QStringLiteral("100.00"));
        EXPECT_EQ(MaxText(), QStringLiteral("200.00"));
        // The user sees the correction and confirms it.
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(range.Min, 100.0);
    EXPECT_EQ(range.Max, 200.0);
}

// 1 followed by 400 zeros is a number of the field's extended range but
// infinite for the graph: refused, by the click on Ok and by Return alike.
TEST_F(PlotRangeDialog, AMaximumBeyondWhatTheGraphHoldsIsRefused)
{
    range = {1.0, 1000.0};
    const QString huge = QStringLiteral("1") + QString(400, QLatin1Char('0'));
    SystemSoundRecorder sounds;
    dialog_test::WhenModalShows([&](QWidget *) {
        EXPECT_FALSE(TypeAndOk("1", huge.toLatin1().constData()));
        EXPECT_TRUE(dialog.numeditMaxEnergy->hasFocus());
        dialog.numeditMaxEnergy->setText(huge);
        QTest::keyClick(dialog.numeditMaxEnergy, Qt::Key_Return);
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        TypeInto(dialog.numeditMaxEnergy, QStringLiteral("500"));
        QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_FALSE(sounds.Take().empty());
    EXPECT_EQ(range.Max, 500.0);
}

TEST_F(PlotRangeDialog, ZeroesConfirmedWithReturnBecomeTheFullRange)
{
    SystemSoundRecorder sounds;
    dialog_test::WhenModalShows([this](QWidget *) {
        // Zero in both fields, confirmed with Return: no exit check runs.
        dialog.numeditMinEnergy->setText(QStringLiteral("0.00"));
        dialog.numeditMaxEnergy->setText(QStringLiteral("0.00"));
        dialog.numeditMinEnergy->setFocus();
        QTest::keyClick(dialog.numeditMinEnergy, Qt::Key_Return);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(MinText(), QStringLiteral("1.00"));
        EXPECT_EQ(MaxText(), QStringLiteral("50000.00"));
        QTest::keyClick(dialog.numeditMinEnergy, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(range.Min, 1.0);
    EXPECT_EQ(range.Max, 50000.0);
    EXPECT_TRUE(sounds.Take().empty());
}

TEST_F(PlotRangeDialog, CorrectionsInTheirOrder)
{
    dialog_test::WhenModalShows([this](QWidget *) {
        // A minimum not above 0 becomes 1 first, then the maximum follows it.
        dialog.numeditMinEnergy->setText(QStringLiteral("-5"));
        dialog.numeditMaxEnergy->setText(QStringLiteral("1.5"));
        QTest::keyClick(dialog.numeditMaxEnergy, Qt::Key_Return);
        EXPECT_EQ(MinText(), QStringLiteral("1.00"));
        EXPECT_EQ(MaxText(), QStringLiteral("2.00"));
        // A maximum not above 0 becomes 50000; the minimum stays.
        dialog.numeditMinEnergy->setText(QStringLiteral("30"));
        dialog.numeditMaxEnergy->setText(QStringLiteral("0"));
        QTest::keyClick(dialog.numeditMaxEnergy, Qt::Key_Return);
        EXPECT_EQ(MinText(), QStringLiteral("30.00"));
        EXPECT_EQ(MaxText(), QStringLiteral("50000.00"));
        // Exactly twice the minimum passes.
        EXPECT_TRUE(TypeAndOk("25", "50"));
    });
    EXPECT_TRUE(dialog.Execute());
    EXPECT_EQ(range.Min, 25.0);
    EXPECT_EQ(range.Max, 50.0);
}

TEST_F(PlotRangeDialog, FullScaleThenCancelKeepsTheStoredRange)
{
    range = {10, 1000};
    dialog_test::WhenModalShows([this](QWidget *modal) {
        TypeInto(dialog.numeditMinEnergy, QStringLiteral("5"));
        QTest::mouseClick(dialog.btnFullScale, Qt::LeftButton);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(MinText(), QStringLiteral("1.00"));
        EXPECT_EQ(MaxText(), QStringLiteral("50000.00"));
        dialog_test::Click(modal, "btnCancel");
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(range.Min, 10.0);
    EXPECT_EQ(range.Max, 1000.0);

    dialog_test::WhenModalShows([this](QWidget *modal) {
        EXPECT_EQ(MinText(), QStringLiteral("10.00"));
        QTest::mouseClick(dialog.btnFullScale, Qt::LeftButton);
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(range.Max, 1000.0);
}

} // namespace
