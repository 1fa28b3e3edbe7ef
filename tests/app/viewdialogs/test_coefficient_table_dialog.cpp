// The coefficient table dialog through its widgets: the fields corrected in
// place, the table filled and emptied, the header rows, the column widths,
// the size limits, Copy and Help.
#include "app/viewdialogs/coefficient_table_dialog.h"

#include "app/viewdialogs/coefficient_grid.h"
#include "controls/num_edit.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/field_typing.h"
#include "app/kit/help_system.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/app/support/test_data_sets.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using app_test::TypeInto;
using pheltra::controls::TNumEdit;

class CoeffTableDialog : public ::testing::Test
{
protected:
    CoeffTableDialog()
    {
        sets[0] = WaterDataSet(kDataSourceH);
        sets[0].Legend = QStringLiteral(" water");
        sets[1] = ElementsDataSet({82});
        sets[1].Legend = QStringLiteral(" lead");
        dialog.PrepareOpening();
        dialog.show();
    }

    void Apply(const char *from, const char *to, const char *interval)
    {
        TypeInto(dialog.numeditFrom, QString::fromLatin1(from));
        TypeInto(dialog.numeditTo, QString::fromLatin1(to));
        TypeInto(dialog.numeditInterval, QString::fromLatin1(interval));
        QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
    }
    QStringList EnergyColumn() const
    {
        QStringList energies;
        for (int row = 2; row < grid().RowCount(); ++row)
            energies.append(grid().Cell(row, 0));
        return energies;
    }
    const TCoeffGrid &grid() const { return *dialog.CoeffGrid; }

    DataSets sets;
    TCoeffTableDlg dialog{sets};
};

TEST_F(CoeffTableDialog, OpensWithTheHeaderRowsAndFieldsAtOne)
{
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Coefficient Data"));
    EXPECT_EQ(dialog.lblTitle->text(), QStringLiteral("Calculate coefficients (max. 100) in units cm²/g:"));
    EXPECT_EQ(grid().RowCount(), 2);
    EXPECT_EQ(grid().Cell(0, 0), QStringLiteral("  Energy"));
    EXPECT_EQ(grid().Cell(0, 4), QStringLiteral("   # 4:"));
    EXPECT_EQ(grid().Cell(1, 0), QStringLiteral("   (keV)"));
    EXPECT_EQ(grid().Cell(1, 2), QStringLiteral(" lead"));
    EXPECT_EQ(grid().Cell(1, 3), QStringLiteral(" "));
    for (TNumEdit *field : {dialog.numeditFrom, dialog.numeditTo, dialog.numeditInterval})
        EXPECT_EQ(field->text(), QStringLiteral("1.00")) << field->objectName().toStdString();
}

TEST_F(CoeffTableDialog, ApplyFillsRowsOfEnergiesAndValues)
{
    Apply("1", "10", "4");
    EXPECT_EQ(EnergyColumn(), QStringList({"1.00E+0", "5.00E+0", "9.00E+0"}));
    EXPECT_EQ(grid().Cell(2, 1), QStringLiteral("4.077E+3"));
    EXPECT_FALSE(grid().Cell(4, 2).isEmpty());
    EXPECT_TRUE(grid().Cell(4, 3).isEmpty());

    // A second Apply replaces the rows.
    Apply("1", "1000", "1");
    EXPECT_EQ(grid().RowCount(), 102);
    EXPECT_EQ(grid().Cell(101, 0), QStringLiteral("1.00E+2"));
}

TEST_F(CoeffTableDialog, FieldsAreCorrectedInPlace)
{
    Apply("60000", "70000", "0");
    EXPECT_EQ(dialog.numeditFrom->text(), QStringLiteral("50000.00"));
    EXPECT_EQ(dialog.numeditTo->text(), QStringLiteral("50000.00"));
    EXPECT_EQ(dialog.numeditInterval->text(), QStringLiteral("0.01"));
    // One row at 50000 keV: source H (water) ends at 20000 keV.
    EXPECT_EQ(EnergyColumn(), QStringList{"5.00E+4"});
    EXPECT_TRUE(grid().Cell(2, 1).isEmpty());
    EXPECT_EQ(grid().Cell(2, 2), QStringLiteral("8.053E-2"));

    Apply("20", "5", "-3");
    EXPECT_EQ(dialog.numeditTo->text(), QStringLiteral("20.00"));
    EXPECT_EQ(dialog.numeditInterval->text(), QStringLiteral("0.01"));
    EXPECT_EQ(EnergyColumn(), QStringList{"2.00E+1"});

    // A blank interval reads as 0.
    TypeInto(dialog.numeditInterval, QString());
    dialog.numeditInterval->clear();
    QTest::mouseClick(dialog.btnApply, Qt::LeftButton);
    EXPECT_EQ(dialog.numeditInterval->text(), QStringLiteral("0.01"));
}

TEST_F(CoeffTableDialog, ReturnAppliesWithoutLeavingTheField)
{
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    TypeInto(dialog.numeditFrom, QStringLiteral("0.5"));
    QTest::keyClick(dialog.numeditFrom, Qt::Key_Return);
    EXPECT_EQ(dialog.numeditFrom->text(), QStringLiteral("1.00"));
    EXPECT_EQ(grid().RowCount(), 3);
}

TEST_F(CoeffTableDialog, AllTypesNoneFillsNothing)
{
    for (TCmpDataSet &set : sets)
        set.CoeffType = kCoeffTypeNone;
    Apply("1", "10", "1");
    EXPECT_EQ(grid().RowCount(), 2);
}

TEST_F(CoeffTableDialog, EveryOpeningEmptiesTheTableAndKeepsTheFields)
{
    dialog_test::ModalActionScope scope;
    dialog.hide();
    HelpTopicRecorder help;
    ScriptedPrompt prompt; // an error box instead of the help fails the test
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    dialog_test::WhenModalShows([this](QWidget *) {
        Apply("2", "4", "1");
        EXPECT_EQ(grid().RowCount(), 5);
        dialog_test::Click(&dialog, "btnHelp");
        dialog_test::Click(&dialog, "btnContinue");
    });
    dialog.Execute();
    EXPECT_EQ(help.Take(), QStringList{QStringLiteral("menu_View")});

    sets[1].Legend = QStringLiteral(" lead, renamed");
    dialog_test::WhenModalShows([this](QWidget *) {
        EXPECT_EQ(grid().RowCount(), 2);
        EXPECT_EQ(grid().Cell(1, 2), QStringLiteral(" lead, renamed"));
        EXPECT_EQ(dialog.numeditFrom->text(), QStringLiteral("2.00"));
        EXPECT_EQ(dialog.numeditTo->text(), QStringLiteral("4.00"));
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    dialog.Execute();
}

TEST_F(CoeffTableDialog, CopyPutsTheTableOnTheClipboard)
{
    Apply("1", "2", "1");
    QTest::mouseClick(dialog.btnCopy, Qt::LeftButton);
    const QStringList lines = QGuiApplication::clipboard()->text().split(u'\n');
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QStringLiteral("Energy\t# 1:\t# 2:\t# 3:\t# 4:\t# 5:\t# 6:"));
    EXPECT_EQ(lines[1], QStringLiteral("(keV)\twater\tlead\t\t\t\t"));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("1.00E+0\t4.077E+3\t5.205E+3\t")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("2.00E+0\t")));

    QGuiApplication::clipboard()->clear();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keySequence(dialog.CoeffGrid, QKeySequence::Copy);
    EXPECT_EQ(QGuiApplication::clipboard()->text().split(u'\n').size(), 5);
}

TEST_F(CoeffTableDialog, WidthFixedHeightFollowsTheWindow)
{
    EXPECT_EQ(dialog.width(), TCoeffTableDlg::kWidth);
    EXPECT_EQ(dialog.minimumWidth(), TCoeffTableDlg::kWidth);
    EXPECT_EQ(dialog.maximumWidth(), TCoeffTableDlg::kWidth);
    EXPECT_EQ(dialog.minimumHeight(), TCoeffTableDlg::kMinimumHeight);
    dialog.resize(TCoeffTableDlg::kWidth, 600);
    QApplication::processEvents();
    const int gridBottom = dialog.CoeffGrid->geometry().bottom() + 1;
    EXPECT_EQ(dialog.height() - gridBottom, 6);

    // The data sets share the width evenly; the energy column takes the rest.
    const int client = grid().ClientWidth();
    const int w = grid().columnWidth(1);
    for (int column = 2; column <= 6; ++column)
        EXPECT_EQ(grid().columnWidth(column), w);
    const int energyText = QFontMetrics(grid().font()).horizontalAdvance(QStringLiteral("  Energy       "));
    EXPECT_EQ(w, (client - energyText - 4) / 6);
    EXPECT_EQ(grid().columnWidth(0), client - 6 * w - 6);
}

} // namespace
