// Start-up: the library is read and the data sets exist before any window,
// the main window shows its empty graph before the splash window, and the
// splash window tells the version and how the library loaded.
#include "app/mainwindow/program.h"
#include "pheltra_version.h"

#include "app/datasetup/absorber_selection_dialog.h"
#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/help_system.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/output/output_commands.h"
#include "app/mainwindow/plot_form.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "app/output/print_graph_dialog.h"
#include "app/output/save_data_dialog.h"
#include "app/mainwindow/splash_form.h"
#include "graph/vexplot.h"
#include "tests/app/support/modal_driver.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kShippedLibrary = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

TEST(StartUp, WithTheShippedLibrary)
{
    Help::SetHelpFile(QString());
    TPheltraProgram program(kShippedLibrary);
    EXPECT_EQ(program.Status(), kLibraryLoaded);
    EXPECT_EQ(program.Library().Count(), 305);
    EXPECT_EQ(program.LibraryFile(), QFileInfo(kShippedLibrary).absoluteFilePath());
    EXPECT_EQ(program.Splash().LibraryLine(), QStringLiteral("Library: ") + program.LibraryFile());
    EXPECT_EQ(Help::HelpFile(), QStringLiteral("Pheltra.hlp"));
    EXPECT_FALSE(program.Sets().AnyInUse());

    // Shown and painted before the splash window, with nothing plotted.
    const TmrPlotForm &form = program.MainForm();
    EXPECT_TRUE(form.isVisible());
    EXPECT_FALSE(form.MRGraph().HasData());
    EXPECT_EQ(form.MRGraph().YScale().Max(), 10.0);
    EXPECT_GT(form.MRGraph().PlotRight(), form.MRGraph().PlotLeft());
    EXPECT_FALSE(program.Splash().isVisible());
    // Every dialog exists once, owned by the main window.
    for (const QWidget *dialog : std::initializer_list<const QWidget *>{
             &program.Splash(), &program.DataSetupDialog(), &program.AbsorberDialog(), &program.DuplicateDialog(),
             &program.OutputCommands().SaveDlg(), &program.OutputCommands().PrintGraphDlg(), &program.AtomicDataView(),
             &program.PlotRangeDialog(), &program.LegendsDialog(), &program.CoeffTableDialog()})
        EXPECT_EQ(dialog->parentWidget(), &form);
    for (const QAction *command :
         {form.menuDataSetup, form.menuSaveData, form.menuSaveGraph, form.menuPrinterSetup, form.menuPrintData,
          form.menuPrintGraph, form.menuPlotRange, form.menuLegends, form.menuAtomicData, form.menuCoefficientData})
        EXPECT_TRUE(command->isEnabled()) << command->objectName().toStdString();
    EXPECT_EQ(program.Splash().Version(), QString::fromLatin1(kPheltraVersion));
    EXPECT_TRUE(program.Splash().Message().isEmpty());

    bool mainWindowShown = false;
    dialog_test::WhenModalShows([&](QWidget *modal) {
        EXPECT_EQ(modal, &program.Splash());
        mainWindowShown = program.MainForm().isVisible();
        program.Splash().ContinueButton()->click();
    });
    program.ShowSplash();
    EXPECT_TRUE(mainWindowShown);
    EXPECT_FALSE(program.Splash().isVisible());
    EXPECT_TRUE(program.MainForm().isVisible());
}

TEST(StartUp, AMissingLibraryIsToldAndTheProgramRuns)
{
    QTemporaryDir dir;
    TPheltraProgram program(dir.filePath(QStringLiteral("CmpMix.dat")));
    EXPECT_EQ(program.Status(), kLibraryNotFound);
    EXPECT_EQ(program.Library().Count(), 0);
    EXPECT_EQ(program.Splash().Message(), QStringLiteral("File CmpMix.dat not found!"));
    EXPECT_TRUE(program.LibraryFile().isEmpty());
    EXPECT_TRUE(program.Splash().LibraryLine().isEmpty());
    EXPECT_TRUE(program.MainForm().isVisible());
}

TEST(StartUp, AFaultyLineIsToldWithItsNumber)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("CmpMix.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Compound library\r\nWater;H2O;;;ICRU;;;1.0;1;0.111898;8;0.888102\r\nBroken;;;;;;;;x;1\r\n");
    file.close();
    TPheltraProgram program(path);
    EXPECT_EQ(
        program.Splash().Message(),
        QStringLiteral("Error in reading line # 2 of file CmpMix.dat: pair 1 is not an atomic number and a weight"));
    EXPECT_EQ(program.Library().Count(), 1);
    // Which file the faulty line is in.
    EXPECT_EQ(program.LibraryFile(), QFileInfo(path).absoluteFilePath());
}

} // namespace
