// The main window's plot-shaping Edit commands and its View menu: what each
// changes in the graph, and that the range and legends commands re-plot
// whether their dialog was confirmed or not.
#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_grid.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/mainwindow/plot_form.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "controls/num_edit.h"
#include "graph/vexplot.h"
#include "tests/app/support/main_window_dialogs.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/app/support/test_data_sets.h"

#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class PlotFormViewCommands : public ::testing::Test
{
protected:
    PlotFormViewCommands()
    {
        sets[1] = WaterDataSet();
        sets[1].Legend = QStringLiteral(" water");
        form.show();
        form.PlotData();
    }
    const TVexplot &graph() const { return form.MRGraph(); }
    QStringList CheckedPositions() const
    {
        QStringList checked;
        for (const QAction *position : form.menuLegendPosition->actions()) {
            if (position->isChecked())
                checked.append(position->text().remove(u'&'));
        }
        return checked;
    }

    dialog_test::ModalActionScope scope;
    ScriptedPrompt prompt;
    DataSets sets;
    TPlotRange range;
    const CompoundLibrary library;
    dialog_test::MainWindowDialogs dialogs;
    TmrPlotForm form{sets, range, dialogs.Factory(library, sets, range)};
    TPlotRangeDlg *plotRange = dialogs.plotRange;
    TLegendsDlg *legends = dialogs.legends;
    TAtomicDataForm *atomicData = dialogs.atomicData;
    TCoeffTableDlg *coeffTable = dialogs.coeffTable;
};

TEST_F(PlotFormViewCommands, TheCommandsAreEnabled)
{
    for (QAction *command : {form.menuPlotRange, form.menuLegends, form.menuAtomicData, form.menuCoefficientData})
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
}

TEST_F(PlotFormViewCommands, PlotRangeReplotsOverTheConfirmedRange)
{
    dialog_test::WhenModalShows([this](QWidget *) {
        plotRange->numeditMinEnergy->setText(QStringLiteral("100"));
        plotRange->numeditMaxEnergy->setText(QStringLiteral("150"));
        QTest::mouseClick(plotRange->btnOk, Qt::LeftButton);
        QTest::mouseClick(plotRange->btnOk, Qt::LeftButton);
    });
    form.menuPlotRange->trigger();
    EXPECT_EQ(range.Min, 100.0);
    EXPECT_EQ(range.Max, 200.0);
    EXPECT_EQ(graph().XScale().Min(), 100.0);
    EXPECT_EQ(graph().XScale().Max(), 200.0);
    const TSeries *water = graph().Series(2);
    ASSERT_NE(water, nullptr);
    ASSERT_FALSE(water->Points.empty());
    EXPECT_GE(water->Points.front().X, 100.0);
    EXPECT_LE(water->Points.back().X, 200.0);
}

TEST_F(PlotFormViewCommands, PlotRangeReplotsAlsoWhenCancelled)
{
    // The range changed behind the graph's back is plotted by the command
    // even when its dialog is cancelled.
    range = {10, 100};
    dialog_test::WhenModalShows([](QWidget *modal) { dialog_test::Click(modal, "btnCancel"); });
    form.menuPlotRange->trigger();
    EXPECT_EQ(graph().XScale().Min(), 10.0);
    EXPECT_EQ(graph().XScale().Max(), 100.0);
}

TEST_F(PlotFormViewCommands, LegendsGoToTheCurves)
{
    dialog_test::WhenModalShows([this](QWidget *) {
        legends->editLegend[1]->setText(QStringLiteral("H<sub>2</sub>O"));
        QTest::mouseClick(legends->btnOk, Qt::LeftButton);
    });
    form.menuLegends->trigger();
    EXPECT_EQ(sets[1].Legend.str(), QStringLiteral(" H<sub>2</sub>O"));
    EXPECT_EQ(graph().Series(2)->Legend, QStringLiteral(" H<sub>2</sub>O"));
    EXPECT_FALSE(graph().Series(2)->Points.empty());
    // Data sets not in use draw nothing after the re-plot.
    EXPECT_TRUE(graph().Series(1)->Points.empty());

    dialog_test::WhenModalShows([](QWidget *modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    form.menuLegends->trigger();
    EXPECT_EQ(graph().Series(2)->Legend, QStringLiteral(" H<sub>2</sub>O"));
}

TEST_F(PlotFormViewCommands, LegendPositionWithOneCheckMark)
{
    EXPECT_EQ(CheckedPositions(), QStringList{"North east"});
    form.menuLegendTop->trigger();
    EXPECT_EQ(graph().LegendBox().Placement(), lbxTop);
    EXPECT_EQ(CheckedPositions(), QStringList{"Top"});

    form.menuNoLegends->trigger();
    EXPECT_FALSE(graph().LegendBox().Enabled());
    EXPECT_EQ(graph().LegendBox().Placement(), lbxNorthEast);
    EXPECT_EQ(CheckedPositions(), QStringList{"No Legends"});

    form.menuLegendBottom->trigger();
    EXPECT_TRUE(graph().LegendBox().Enabled());
    EXPECT_EQ(graph().LegendBox().Placement(), lbxBottom);
    EXPECT_EQ(CheckedPositions(), QStringList{"Bottom"});

    form.menuLegendSouthWest->trigger();
    EXPECT_EQ(graph().LegendBox().Placement(), lbxSouthWest);
    form.menuLegendNorthEast->trigger();
    EXPECT_EQ(graph().LegendBox().Placement(), lbxNorthEast);
    EXPECT_TRUE(graph().LegendBox().Enabled());
    // Choosing the checked entry again keeps its mark.
    form.menuLegendNorthEast->trigger();
    EXPECT_EQ(CheckedPositions(), QStringList{"North east"});
}

TEST_F(PlotFormViewCommands, ShowTitleTogglesTheTitle)
{
    EXPECT_FALSE(graph().GraphTitle().Enabled());
    form.menuShowTitle->trigger();
    EXPECT_TRUE(form.menuShowTitle->isChecked());
    EXPECT_TRUE(graph().GraphTitle().Enabled());
    form.menuShowTitle->trigger();
    EXPECT_FALSE(form.menuShowTitle->isChecked());
    EXPECT_FALSE(graph().GraphTitle().Enabled());
}

TEST_F(PlotFormViewCommands, TitleTextThroughTheInputBox)
{
    const QString preset = graph().GraphTitle().Caption();
    prompt.AnswerText(QStringLiteral("<sym>m</sym> of water"));
    form.menuTitleText->trigger();
    const auto asked = prompt.Take();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, UserPrompt::Kind::TextInput);
    EXPECT_EQ(asked[0].caption, QStringLiteral("Graph Title"));
    EXPECT_EQ(asked[0].text, QStringLiteral("Enter caption:"));
    EXPECT_EQ(asked[0].preset, preset);
    EXPECT_EQ(graph().GraphTitle().Caption(), QStringLiteral("<sym>m</sym> of water"));

    prompt.Answer(UserPrompt::Answer::Cancel);
    form.menuTitleText->trigger();
    EXPECT_EQ(graph().GraphTitle().Caption(), QStringLiteral("<sym>m</sym> of water"));

    prompt.AnswerText(QString(300, u'x'));
    form.menuTitleText->trigger();
    EXPECT_EQ(graph().GraphTitle().Caption(), QString(255, u'x'));
}

TEST_F(PlotFormViewCommands, TheViewMenuOpensItsWindows)
{
    dialog_test::WhenModalShows([this](QWidget *modal) {
        EXPECT_EQ(modal, atomicData);
        dialog_test::Click(modal, "btnContinue");
    });
    form.menuAtomicData->trigger();

    dialog_test::WhenModalShows([this](QWidget *modal) {
        EXPECT_EQ(modal, coeffTable);
        EXPECT_EQ(coeffTable->CoeffGrid->Cell(1, 2), QStringLiteral(" water"));
        dialog_test::Click(modal, "btnContinue");
    });
    form.menuCoefficientData->trigger();
}

} // namespace
