// The File menu's output commands from the menu item to the file or the
// page: Save Data and Print Data with their selection dialog, Save Graph,
// Printer Setup and Print Graph with its dialog.
#include "app/output/output_commands.h"

#include "app/output/graph_output.h"
#include "app/mainwindow/main_window_graph.h"
#include "app/mainwindow/plot_data.h"
#include "app/mainwindow/plot_form.h"
#include "app/output/print_graph_dialog.h"
#include "app/output/print_job.h"
#include "app/mainwindow/program.h"
#include "app/reports/reports.h"
#include "app/output/save_data_dialog.h"
#include "graph/vexplot.h"
#include "tests/app/support/modal_driver.h"
#include "tests/app/support/test_library.h"
#include "tests/app/support/field_typing.h"
#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"
#include "tests/app/output/pdf_text.h"
#include "tests/app/output/scripted_save_file.h"
#include "tests/app/support/scripted_prompt.h"
#include "tests/support/named_pipe.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

using app_test::TypeInto;
using dialog_test::Child;
using dialog_test::Click;
using output_test::PdfPageCount;
using output_test::PdfPageLines;
using pheltra::controls::TNumEdit;

using test_support::ReadFileBytes;

class OutputCommands : public ::testing::Test
{
protected:
    OutputCommands()
    {
        dialog_test::FillTestLibrary(library_);
        TCmpDataSet &water = sets_[0];
        water.AbsorberName[0] = "Water";
        water.RelWeight[0] = 1.0L;
        water.Legend = " <b>Water</b>";
        water.UpdateComposition(library_);
        TCmpDataSet &lead = sets_[1];
        lead.AbsorberName[0] = "Lead";
        lead.RelWeight[0] = 1.0L;
        lead.Legend = " Lead";
        lead.UpdateComposition(library_);
        ConfigureMainWindowGraph(graph_);
        PlotData(graph_, sets_, TPlotRange{1.0, 1000.0});
        commands_.Environment = [this] { return environment_; };
        commands_.CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
        commands_.CurrentPrinter().setOutputFileName(Path("printed.pdf"));
        commands_.CurrentPrinter().setPageSize(QPageSize(QPageSize::A4));
    }

    QString Path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }

    // Caption, initial name and filters of the save-file dialogs opened
    // since the last call.
    QStringList FileDialogsShown()
    {
        QStringList shown;
        for (const SaveFileChooser::Request &request : files_.Take()) {
            shown << request.caption << request.initialName;
            for (const SaveFileChooser::Filter &filter : request.filters)
                shown << filter.text;
        }
        return shown;
    }

    // Runs a command whose dialog the user answers with `action`.
    template<typename Command>
    void WithDialog(Command command, const dialog_test::ModalAction &action)
    {
        dialog_test::WhenModalShows(action);
        (commands_.*command)();
    }

    // The coefficients of data sets 1 and 2 at 10, 20 and 30 keV.
    static void ChooseCoefficientsTenToThirty(QWidget *d)
    {
        Child<QCheckBox>(d, "cbAbsData")->setChecked(false);
        for (int i = 3; i <= 6; ++i)
            d->findChild<QCheckBox *>(QStringLiteral("cbAbsorber%1").arg(i))->setChecked(false);
        TypeInto(Child<TNumEdit>(d, "numeditFrom"), QStringLiteral("10"));
        TypeInto(Child<TNumEdit>(d, "numeditTo"), QStringLiteral("30"));
        TypeInto(Child<TNumEdit>(d, "numeditIntv"), QStringLiteral("10"));
    }

    QTemporaryDir dir_;
    CompoundLibrary library_;
    DataSets sets_;
    QWidget window_;
    TVexplot graph_{&window_};
    TOutputCommands commands_{&window_, sets_, graph_};
    ReportEnvironment environment_{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)),
                                   QLocale(QLocale::English, QLocale::UnitedKingdom)};
    dialog_test::ModalActionScope modalActions_;
    ScriptedPrompt prompts_;
    output_test::ScriptedSaveFile files_;
};

TEST_F(OutputCommands, SaveDataWritesTheChosenReportsToTheChosenFile)
{
    files_.Choose(Path("report.txt"));
    WithDialog(&TOutputCommands::menuSaveDataClick, [](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Save Data Dialog");
        ChooseCoefficientsTenToThirty(d);
        Click(d, "btnAction");
    });
    EXPECT_EQ(FileDialogsShown(), QStringList({"Saving Data ...", "*.txt", "Text files (*.txt)", "All files (*)"}));

    const QList<QByteArray> lines = ReadFileBytes(Path("report.txt")).split('\n');
    ASSERT_EQ(lines.size(), 19); // three rows, then the end of the last line
    EXPECT_EQ(lines[0], "Pheltra: Photon attenuation coefficients -- 05/03/2024 / 14:07:09\r");
    EXPECT_EQ(lines[2], "Absorber #1:  Water\r"); // the markup is gone
    EXPECT_EQ(lines[5], " \r");
    EXPECT_EQ(lines[6], "Absorber #2:  Lead\r");
    EXPECT_EQ(lines[10], "Photon attenuation coefficients in units cm\xC2\xB2/g, \r");
    EXPECT_EQ(lines[13], "Energy    #1        #2        #3        #4        #5        #6\r");
    const QRegularExpression row(QStringLiteral(R"(^([123])\.00E\+1 {3}\d\.\d{3}E[+-]\d {2}\d\.\d{3}E[+-]\d {33}\r$)"));
    // Data sets 3 to 6 are not selected: a single blank in each column.
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(row.match(QString::fromLatin1(lines[15 + i])).hasMatch()) << lines[15 + i].toStdString();
    EXPECT_TRUE(lines[18].isEmpty());
    EXPECT_EQ(
        ReadFileBytes(Path("report.txt")),
        QStringList(SavedReportLines(sets_, commands_.SaveDlg().Selection(), environment_)).join("\r\n").toUtf8() +
            "\r\n");
    EXPECT_TRUE(prompts_.Take().empty());
}

TEST_F(OutputCommands, NothingIsSavedWhenEitherDialogIsCancelled)
{
    WithDialog(&TOutputCommands::menuSaveDataClick, [](QWidget *d) { Click(d, "btnCancel"); });
    EXPECT_TRUE(files_.Take().empty());
    files_.Cancel();
    WithDialog(&TOutputCommands::menuSaveDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    EXPECT_EQ(files_.Take().size(), 1u);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());
}

TEST_F(OutputCommands, AFailedSaveSaysFileIOErrorAndKeepsTheEarlierFile)
{
    const QByteArray earlier = "the report of yesterday\r\n";
    {
        QFile file(Path("report.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(earlier);
    }
    files_.Choose(Path("report.txt"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    {
        const test_support::FileSizeLimit full(200);
        WithDialog(&TOutputCommands::menuSaveDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    }
    const std::vector<UserPrompt::Request> asked = prompts_.Take();
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].kind, UserPrompt::Kind::Error);
    EXPECT_EQ(asked[0].text, "File I/O error: could not write " + Path("report.txt") + ": File too large");
    EXPECT_EQ(ReadFileBytes(Path("report.txt")), earlier);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{"report.txt"});
}

TEST_F(OutputCommands, SavingOntoANamedPipeIsRefusedAndLeavesThePipe)
{
    ASSERT_TRUE(test_support::MakeNamedPipe(Path("pipe")));
    const QString refusal = QDir::toNativeSeparators(Path("pipe")) + " is not a regular file.";
    files_.Choose(Path("pipe"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuSaveDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{refusal});

    files_.Choose(Path("pipe"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    commands_.SaveGraph1Click();
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{refusal});
    EXPECT_TRUE(test_support::IsNamedPipe(Path("pipe")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::System), QStringList{"pipe"});
}

// Printing to a PDF file under a pipe's name is refused as a save is: the
// refusal said once, no error after it, the pipe left a pipe.
TEST_F(OutputCommands, PrintingOntoANamedPipeIsRefusedAndLeavesThePipe)
{
    ASSERT_TRUE(test_support::MakeNamedPipe(Path("pipe")));
    const QString refusal = QDir::toNativeSeparators(Path("pipe")) + " is not a regular file.";
    files_.Choose(Path("pipe"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{refusal});

    files_.Choose(Path("pipe"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnPrint"); });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{refusal});
    EXPECT_TRUE(test_support::IsNamedPipe(Path("pipe")));
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden), QStringList{"pipe"});
}

TEST_F(OutputCommands, PrintDataPrintsBothReportsAsOneJob)
{
    files_.Choose(Path("printed.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintDataClick, [](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Print Data Dialog");
        TypeInto(Child<TNumEdit>(d, "numeditFrom"), QStringLiteral("1"));
        TypeInto(Child<TNumEdit>(d, "numeditTo"), QStringLiteral("100"));
        TypeInto(Child<TNumEdit>(d, "numeditIntv"), QStringLiteral("1"));
        Click(d, "btnAction");
    });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{PrintedToFileMessage(Path("printed.pdf"))});
    QStringList expected = PrintedReportLines(sets_, commands_.SaveDlg().Selection(), environment_);
    for (QString &line : expected)
        line = line.simplified();
    expected.removeAll(QString());

    // Some 190 lines in 10 pt on A4 pages of some 70 lines: three pages,
    // every line once, in order.
    ASSERT_EQ(PdfPageCount(Path("printed.pdf")), 3);
    QStringList printed;
    for (int page = 1; page <= 3; ++page)
        printed << PdfPageLines(Path("printed.pdf"), page);
    ASSERT_EQ(printed.size(), expected.size());
    EXPECT_EQ(printed[0], "Pheltra: List of absorber materials ------- 05/03/2024 / 14:07:09");
    EXPECT_TRUE(printed.contains("Calc. Electr./cm³: 3.34E+23"));
    EXPECT_EQ(printed, expected);
}

TEST_F(OutputCommands, APrintFailureSaysErrorPrintingText)
{
    files_.Choose(Path("missing/printed.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{"Error printing text."});
}

TEST_F(OutputCommands, SaveGraphWritesAnSvgPictureOnWhite)
{
    const QColor screen = graph_.Color();
    ASSERT_NE(screen, QColor(Qt::white));
    files_.Choose(Path("graph.svg"), QStringLiteral("SVG picture (*.svg)"));
    commands_.SaveGraph1Click();
    EXPECT_EQ(FileDialogsShown(),
              QStringList({"Saving Graph to a vector picture ...", "*.svg", "SVG picture (*.svg)",
                           "PDF document (*.pdf)", "All files (*)"}));

    const QString svg = QString::fromUtf8(ReadFileBytes(Path("graph.svg")));
    EXPECT_TRUE(svg.contains(R"(viewBox="0 0 1400 1000")")) << svg.left(600).toStdString();
    EXPECT_TRUE(svg.contains("<desc>Created by Pheltra / Quorvik, Dastrel</desc>"));
    // The first thing drawn fills the picture in white.
    const QRegularExpressionMatch fill = QRegularExpression(QStringLiteral(R"re(fill="(#[0-9a-f]{6})")re")).match(svg);
    ASSERT_TRUE(fill.hasMatch());
    EXPECT_EQ(fill.captured(1), "#ffffff");
    EXPECT_TRUE(svg.contains("photon energy, keV"));
    EXPECT_TRUE(svg.contains("Water"));
    EXPECT_TRUE(svg.contains("Lead"));
    EXPECT_EQ(graph_.Color(), screen);
    EXPECT_TRUE(prompts_.Take().empty());
}

TEST_F(OutputCommands, SaveGraphWritesPdfForThePdfFilterOrAPdfName)
{
    files_.Choose(Path("graph.picture"), QStringLiteral("PDF document (*.pdf)"));
    commands_.SaveGraph1Click();
    EXPECT_TRUE(ReadFileBytes(Path("graph.picture")).startsWith("%PDF"));
    EXPECT_EQ(PdfPageCount(Path("graph.picture")), 1);
    EXPECT_TRUE(PdfPageLines(Path("graph.picture"), 1).contains("photon energy, keV"));

    using SaveFileChooser::Choice;
    EXPECT_EQ(GraphPictureFormat(Choice{"a.PDF", "All files (*)"}), TMetafileFormat::Pdf);
    EXPECT_EQ(GraphPictureFormat(Choice{"a.pdf", "SVG picture (*.svg)"}), TMetafileFormat::Pdf);
    EXPECT_EQ(GraphPictureFormat(Choice{"a.svg", "PDF document (*.pdf)"}), TMetafileFormat::Pdf);
    EXPECT_EQ(GraphPictureFormat(Choice{"a", "All files (*)"}), TMetafileFormat::Svg);
    EXPECT_EQ(GraphPictureFormat(Choice{"a.wmf", "SVG picture (*.svg)"}), TMetafileFormat::Svg);
}

TEST_F(OutputCommands, SaveGraphCancelledOrFailedLeavesTheScreenAsItWas)
{
    const QColor screen = graph_.Color();
    files_.Cancel();
    commands_.SaveGraph1Click();
    EXPECT_EQ(graph_.Color(), screen);
    EXPECT_TRUE(QDir(dir_.path()).entryList(QDir::Files).isEmpty());

    // A full disk: the earlier picture stays whole.
    files_.Choose(Path("graph.svg"));
    commands_.SaveGraph1Click();
    const QByteArray earlier = ReadFileBytes(Path("graph.svg"));
    ASSERT_GT(earlier.size(), 4000);
    files_.Choose(Path("graph.svg"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    {
        const test_support::FileSizeLimit full(2000);
        commands_.SaveGraph1Click();
    }
    EXPECT_EQ(prompts_.TakeTexts(),
              QStringList{"File I/O error: could not write " + Path("graph.svg") + ": File too large"});
    EXPECT_EQ(ReadFileBytes(Path("graph.svg")), earlier);
    EXPECT_EQ(graph_.Color(), screen);
}

TEST_F(OutputCommands, PrintGraphPrintsOnePageAtTheChosenSize)
{
    const QColor screen = graph_.Color();
    files_.Choose(Path("printed.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) {
        // A4 with 10 pt margins: 210 - 7.06 by 297 - 7.06 mm.
        EXPECT_EQ(Child<QLabel>(d, "lblPrintSize")->text(), "Printable page size (W x H):202 x 289 mm");
        Click(d, "btnPrint");
    });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{PrintedToFileMessage(Path("printed.pdf"))});
    ASSERT_EQ(PdfPageCount(Path("printed.pdf")), 1);
    const QStringList text = PdfPageLines(Path("printed.pdf"), 1);
    EXPECT_TRUE(text.filter("photon energy, keV").size() == 1) << text.join('\n').toStdString();
    EXPECT_EQ(commands_.PrintGraphDlg().Placement(), (TGraphPlacementMM{-1, -1, 140, 100}));
    EXPECT_EQ(graph_.Color(), screen);

    // Cancelled, nothing is printed.
    QFile::remove(Path("printed.pdf"));
    files_.Take();
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnCancel"); });
    EXPECT_FALSE(QFile::exists(Path("printed.pdf")));
    EXPECT_TRUE(files_.Take().empty());
}

TEST_F(OutputCommands, PrintGraphOnAFullPageAndWithoutRoom)
{
    commands_.PrintGraphDlg().SetSettings({true, 140, 100, true, 25, 25});
    files_.Choose(Path("printed.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnPrint"); });
    EXPECT_EQ(PdfPageCount(Path("printed.pdf")), 1);
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{PrintedToFileMessage(Path("printed.pdf"))});
    files_.Take();

    // A size of 0 leaves the graph no area on the page.
    QFile::remove(Path("printed.pdf"));
    commands_.PrintGraphDlg().SetSettings({false, 0, 100, true, 25, 25});
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnPrint"); });
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{"The graph has no room on the printable page."});
    EXPECT_FALSE(QFile::exists(Path("printed.pdf")));
    EXPECT_TRUE(files_.Take().empty()); // no file asked for a graph that cannot be printed
}

// Without a printer every job asks for its PDF file, proposing the last one:
// printing the data after the graph no longer replaces the graph's file
// unasked, a cancelled choice prints nothing, and a failed job leaves the
// earlier file whole.
TEST_F(OutputCommands, EachPrintJobToAPdfFileAsksForItsFileAndSaysWhereItWent)
{
    files_.Choose(Path("graph.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnPrint"); });
    EXPECT_EQ(
        FileDialogsShown(),
        QStringList({"Printing to a PDF File ...", Path("printed.pdf"), "PDF document (*.pdf)", "All files (*)"}));
    EXPECT_EQ(prompts_.TakeTexts(),
              QStringList{"Printed to the PDF file " + QDir::toNativeSeparators(Path("graph.pdf"))});

    files_.Choose(Path("data.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    WithDialog(&TOutputCommands::menuPrintDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    EXPECT_EQ(files_.Take().at(0).initialName, Path("graph.pdf"));
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{PrintedToFileMessage(Path("data.pdf"))});
    EXPECT_TRUE(PdfPageLines(Path("graph.pdf"), 1).contains("photon energy, keV"));
    EXPECT_TRUE(PdfPageLines(Path("data.pdf"), 1).first().startsWith("Pheltra: List of absorber materials"));
    EXPECT_EQ(commands_.CurrentPrinter().outputFileName(), Path("data.pdf"));

    // Cancelled: nothing printed, nothing said.
    files_.Cancel();
    WithDialog(&TOutputCommands::menuPrintGraphClick, [](QWidget *d) { Click(d, "btnPrint"); });
    EXPECT_EQ(files_.Take().size(), 1u);
    EXPECT_TRUE(prompts_.Take().empty());

    // A full disk: the earlier file stays as it was, no temporary file stays.
    const QByteArray earlier = ReadFileBytes(Path("data.pdf"));
    files_.Choose(Path("data.pdf"));
    prompts_.Answer(UserPrompt::Answer::Ok);
    {
        const test_support::FileSizeLimit full(3000);
        WithDialog(&TOutputCommands::menuPrintDataClick, [](QWidget *d) { Click(d, "btnAction"); });
    }
    EXPECT_EQ(prompts_.TakeTexts(), QStringList{"Error printing text."});
    EXPECT_EQ(ReadFileBytes(Path("data.pdf")), earlier);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"data.pdf", "graph.pdf"}));
}

TEST_F(OutputCommands, PrinterSetupCancelledChangesNothing)
{
    WithDialog(&TOutputCommands::menuPrinterSetupClick, [](QWidget *d) {
        EXPECT_EQ(d->windowTitle(), "Printer Setup");
        // Its confirming button does not promise a print.
        auto *buttons = d->findChild<QDialogButtonBox *>();
        ASSERT_NE(buttons, nullptr);
        EXPECT_EQ(buttons->button(QDialogButtonBox::Ok)->text(), "OK");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    EXPECT_EQ(commands_.CurrentPrinter().outputFileName(), Path("printed.pdf"));
}

// The commands as the program's File menu runs them.
TEST(OutputMenu, TheFileMenuSavesTheDataAndTheGraphOfTheProgram)
{
    QTemporaryDir dir;
    TPheltraProgram program(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"));
    CompoundLibrary library;
    dialog_test::FillTestLibrary(library);
    TCmpDataSet &lead = program.Sets()[0];
    lead.AbsorberName[0] = "Lead";
    lead.RelWeight[0] = 1.0L;
    lead.Legend = " Lead";
    lead.UpdateComposition(library);
    program.MainForm().PlotData();
    dialog_test::ModalActionScope modalActions;
    output_test::ScriptedSaveFile files;

    files.Choose(dir.filePath(QStringLiteral("graph.svg")), QStringLiteral("SVG picture (*.svg)"));
    program.MainForm().menuSaveGraph->trigger();
    EXPECT_TRUE(ReadFileBytes(dir.filePath(QStringLiteral("graph.svg"))).contains(R"(viewBox="0 0 1400 1000")"));

    files.Choose(dir.filePath(QStringLiteral("report.txt")));
    dialog_test::WhenModalShows([](QWidget *d) { Click(d, "btnAction"); });
    program.MainForm().menuSaveData->trigger();
    EXPECT_TRUE(
        ReadFileBytes(dir.filePath(QStringLiteral("report.txt"))).startsWith("Pheltra: List of absorber materials"));
    EXPECT_EQ(files.Take().size(), 2u);
}

} // namespace
