// The main window: caption, size and panel, the menu tree, the graph's
// settings, File, New and the close question, and the Help menu.
#include "app/mainwindow/plot_form.h"

#include "app/datasetup/absorber_selection_dialog.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/help_system.h"
#include "app/mainwindow/splash_form.h"
#include "graph/vexplot.h"
#include "tests/app/support/help_topic_recorder.h"
#include "tests/app/support/main_window_dialogs.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/app/support/test_library.h"
#include "tests/app/support/test_data_sets.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QFrame>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

QStringList Captions(const QMenu *menu)
{
    QStringList captions;
    for (const QAction *action : menu->actions()) {
        if (!action->isSeparator())
            captions.append(action->text().remove(u'&'));
    }
    return captions;
}

class PlotFormTest : public ::testing::Test
{
protected:
    DataSets sets;
    TPlotRange range;
    TmrPlotForm form{sets, range};
    ScriptedPrompt prompt;
};

class PlotFormWithData : public ::testing::Test
{
protected:
    PlotFormWithData()
    {
        sets[1] = WaterDataSet();
        sets[1].LineColor = RgbColor(200, 10, 10);
        form.PlotData();
    }
    DataSets sets;
    TPlotRange range;
    TmrPlotForm form{sets, range};
    ScriptedPrompt prompt;
};

TEST_F(PlotFormTest, CaptionSizeAndPanel)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Pheltra - photon attenuation data"));
    EXPECT_EQ(form.size(), QSize(718, 580));
    form.show();
    form.resize(900, 700);
    const QSize client = form.centralWidget()->size();
    EXPECT_EQ(form.GraphPanel().geometry(), QRect(10, 20, client.width() - 20, client.height() - 28));
    // The graph fills the panel inside its bevel.
    EXPECT_EQ(form.MRGraph().geometry(), form.GraphPanel().contentsRect());
    EXPECT_EQ(form.GraphPanel().frameShadow(), QFrame::Sunken);
}

TEST_F(PlotFormTest, MenuTree)
{
    const QList<QAction *> menus = form.menuBar()->actions();
    QStringList titles;
    for (const QAction *menu : menus)
        titles.append(menu->text().remove(u'&'));
    EXPECT_EQ(titles, QStringList({"File", "Edit", "View", "Tools", "Help"}));
    EXPECT_EQ(Captions(form.menuFile),
              QStringList({"New", "Open Set-up...", "Save Set-up...", "Data Setup", "Save Data", "Save Graph",
                           "Export Curves...", "Printer Setup", "Print Data", "Print Graph", "Exit"}));
    EXPECT_EQ(Captions(form.menuEdit),
              QStringList({"Plot Range", "Legends", "Legend Position", "Show Title", "Title Text"}));
    EXPECT_EQ(Captions(form.menuLegendPosition),
              QStringList({"Top", "Bottom", "North east", "South west", "No Legends"}));
    EXPECT_EQ(Captions(form.menuView), QStringList({"Atomic Data", "Coefficient Data", "Value at Energy..."}));
    EXPECT_EQ(Captions(form.menuTools), QStringList({"Shielding...", "X-ray Beam..."}));
    EXPECT_EQ(Captions(form.menuHelpMenu), QStringList({"Help", "About"}));
    EXPECT_TRUE(form.menuLegendNorthEast->isChecked());
    EXPECT_FALSE(form.menuLegendTop->isChecked());
    EXPECT_TRUE(form.menuShowTitle->isCheckable());
    EXPECT_FALSE(form.menuShowTitle->isChecked());
}

TEST_F(PlotFormTest, CommandsOfWindowsStillToComeAreDisabled)
{
    for (QAction *later : {form.menuSaveData, form.menuPrintData, form.menuSaveGraph, form.menuPrinterSetup,
                           form.menuPrintGraph, form.menuPlotRange, form.menuLegends, form.menuAtomicData,
                           form.menuCoefficientData, form.menuShielding, form.menuXrayBeam}) {
        EXPECT_TRUE(later->isVisible()) << later->objectName().toStdString();
        EXPECT_FALSE(later->isEnabled()) << later->objectName().toStdString();
    }
    for (QAction *working : {form.menuNew, form.menuExit, form.menuHelp, form.menuAbout, form.menuLegendTop,
                             form.menuNoLegends, form.menuShowTitle, form.menuTitleText})
        EXPECT_TRUE(working->isEnabled()) << working->objectName().toStdString();
}

TEST_F(PlotFormTest, GraphIsBufferedWithTheLegendWhereTheMenuSays)
{
    const TVexplot &g = form.MRGraph();
    EXPECT_TRUE(g.Buffered());
    EXPECT_TRUE(g.LegendBox().Enabled());
    EXPECT_EQ(g.LegendBox().Placement(), lbxNorthEast);
    EXPECT_FALSE(g.GraphTitle().Enabled());
    EXPECT_EQ(g.YAxis().Caption(), QStringLiteral("<sym>m</sym>/<sym>r</sym>, cm²/g"));
    // No plot yet: both axes from 1 to 10.
    EXPECT_EQ(g.XScale().Max(), 10.0);
    EXPECT_EQ(g.YScale().Max(), 10.0);
}

TEST_F(PlotFormWithData, NewAnsweredNoChangesNothing)
{
    form.MRGraph().GraphTitle().SetCaption(QStringLiteral("Water"));
    prompt.Answer(UserPrompt::Answer::No);
    form.menuNew->trigger();
    EXPECT_EQ(prompt.TakeTexts(), QStringList(QStringLiteral("Discard all data entries ?")));
    EXPECT_TRUE(sets[1].InUse());
    EXPECT_EQ(sets[1].LineColor, RgbColor(200, 10, 10));
    EXPECT_TRUE(form.MRGraph().Series(2)->Shown());
    EXPECT_EQ(form.MRGraph().GraphTitle().Caption(), QStringLiteral("Water"));
}

TEST_F(PlotFormWithData, NewAnsweredYesEmptiesEverything)
{
    form.MRGraph().GraphTitle().SetCaption(QStringLiteral("Water"));
    prompt.Answer(UserPrompt::Answer::Yes);
    form.menuNew->trigger();
    EXPECT_EQ(prompt.Take().size(), 1u);
    EXPECT_EQ(sets, DataSets());
    const LineColorValue colours[] = {RgbColor(0, 0, 0),     RgbColor(0, 0, 255),   RgbColor(0, 128, 0),
                                      RgbColor(0, 128, 128), RgbColor(128, 0, 128), RgbColor(255, 0, 0)};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(sets[i].LineColor, colours[i]) << i;
    EXPECT_FALSE(form.MRGraph().HasData());
    EXPECT_TRUE(form.MRGraph().GraphTitle().Caption().isEmpty());
    EXPECT_DOUBLE_EQ(form.MRGraph().YScale().Max(), 1E39);
}

TEST_F(PlotFormTest, NewWithoutDataAsksNothing)
{
    form.menuNew->trigger();
    EXPECT_TRUE(prompt.Take().empty());
    EXPECT_DOUBLE_EQ(form.MRGraph().YScale().Min(), 1E38);
}

TEST_F(PlotFormWithData, ClosingAsksWhileDataAreInUse)
{
    form.show();
    prompt.Answer(UserPrompt::Answer::No);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(prompt.TakeTexts(), QStringList(QStringLiteral("Discard all data entries ?")));
    prompt.Answer(UserPrompt::Answer::Yes);
    form.menuExit->trigger();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(prompt.Take().size(), 1u);
}

TEST_F(PlotFormTest, ClosingWithoutDataAsksNothing)
{
    form.show();
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(prompt.Take().empty());
}

TEST_F(PlotFormWithData, ADrawingFaultIsToldNotThrown)
{
    form.show();
    // A logarithmic axis holding data cannot start at or below zero.
    form.MRGraph().YScale().SetMin(-1);
    form.MRGraph().YScale().SetIntersection(-1);
    prompt.Answer(UserPrompt::Answer::Ok);
    form.RepaintGraph();
    const std::vector<UserPrompt::Request> asked = prompt.Take();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, UserPrompt::Kind::Error);
}

TEST_F(PlotFormTest, HelpOpensTheMainTopic)
{
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));
    HelpTopicRecorder help;
    form.menuHelp->trigger();
    EXPECT_EQ(help.Take(), QStringList(QStringLiteral("Pheltra_Main")));
}

TEST_F(PlotFormTest, AboutShowsTheSplashWithAnEmptyMessageLine)
{
    dialog_test::ModalActionScope scope;
    const CompoundLibrary library;
    dialog_test::MainWindowDialogs dialogs;
    TmrPlotForm withDialogs(sets, range, dialogs.Factory(library, sets, range));
    TSplashForm &splash = *dialogs.splash;
    splash.SetMessage(QStringLiteral("Error in reading line # 3 of file CmpMix.dat"));
    splash.SetLibraryFile(QStringLiteral("/usr/share/pheltra/CmpMix.dat"));
    QString shownMessage = QStringLiteral("not shown");
    QString shownLibrary;
    dialog_test::WhenModalShows([&](QWidget *modal) {
        EXPECT_EQ(modal, &splash);
        shownMessage = splash.Message();
        shownLibrary = splash.LibraryLine();
        splash.ContinueButton()->click();
    });
    withDialogs.menuAbout->trigger();
    EXPECT_EQ(shownMessage, QString());
    // The library line still tells which file the program read.
    EXPECT_EQ(shownLibrary, QStringLiteral("Library: /usr/share/pheltra/CmpMix.dat"));
    EXPECT_FALSE(splash.isVisible());
}

} // namespace

namespace {

using dialog_test::Child;
using dialog_test::Click;
using dialog_test::WhenModalShows;

// The main window with the real data setup dialog and the dialogs it opens,
// over a small library (Air, Lead, No density, Split, Water).
class DataSetupMenu : public ::testing::Test
{
protected:
    DataSetupMenu()
    {
        dialog_test::FillTestLibrary(library);
        form.show();
    }
    // Runs "Data Setup" with `inDialog` acting in the dialog.
    void DataSetup(dialog_test::ModalAction inDialog)
    {
        WhenModalShows(std::move(inDialog));
        form.menuDataSetup->trigger();
    }
    static void AddAbsorber(QWidget *d, const QString &name)
    {
        WhenModalShows([name](QWidget *s) {
            dialog_test::PickFromList(Child<QComboBox>(s, "CMSelectBox"), name);
            QTest::keyClicks(Child<QLineEdit>(s, "numeditWeightFrac"), QStringLiteral("1"));
            Click(s, "OkBtn");
        });
        Click(d, "btnAddAbsorber");
    }

    dialog_test::ModalActionScope scope;
    CompoundLibrary library;
    DataSets sets;
    TPlotRange range;
    dialog_test::MainWindowDialogs dialogs;
    TmrPlotForm form{sets, range, dialogs.Factory(library, sets, range)};
    TMRDataDlg *dialog = dialogs.dataSetup;
    ScriptedPrompt prompt;
};

TEST_F(DataSetupMenu, OkWithAnAbsorberPlots)
{
    EXPECT_TRUE(form.menuDataSetup->isEnabled());
    DataSetup([](QWidget *d) {
        AddAbsorber(d, QStringLiteral("Water"));
        Click(d, "btnOk");
    });
    ASSERT_TRUE(sets[0].InUse());
    EXPECT_TRUE(form.MRGraph().Series(1)->Shown());
    EXPECT_EQ(form.MRGraph().YScale().Max(), 10000.0);
    EXPECT_EQ(form.MRGraph().XScale().Max(), 50000.0);
}

TEST_F(DataSetupMenu, CancelChangesNeitherDataNorCurves)
{
    DataSetup([](QWidget *d) {
        AddAbsorber(d, QStringLiteral("Lead"));
        Click(d, "btnCancel");
    });
    EXPECT_FALSE(sets.AnyInUse());
    EXPECT_FALSE(form.MRGraph().HasData());
    // Nothing was plotted: the scales are still those of the empty graph.
    EXPECT_EQ(form.MRGraph().YScale().Max(), 10.0);
}

TEST_F(DataSetupMenu, OkAfterDeletingEveryAbsorberKeepsTheCurvesOfBefore)
{
    DataSetup([](QWidget *d) {
        AddAbsorber(d, QStringLiteral("Water"));
        Click(d, "btnOk");
    });
    ASSERT_TRUE(form.MRGraph().Series(1)->Shown());
    DataSetup([](QWidget *d) {
        auto *grid = Child<QTableWidget>(d, "CompoundGrid");
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(1, 1)).center());
        Click(d, "btnDeleteAbsorber");
        Click(d, "btnOk");
    });
    EXPECT_FALSE(sets.AnyInUse());
    EXPECT_TRUE(form.MRGraph().Series(1)->Shown());
}

} // namespace
