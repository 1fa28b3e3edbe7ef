#include "app/output/output_commands.h"

#include "app/output/current_printer.h"
#include "app/output/graph_output.h"
#include "app/output/print_graph_dialog.h"
#include "app/output/print_job.h"
#include "app/output/report_output.h"
#include "app/output/save_data_dialog.h"
#include "app/output/save_file_chooser.h"
#include "app/kit/user_prompt.h"
#include "app/reports/report_file.h"
#include "textio/atomic_file.h"
#include "graph/vexplot.h"

#include <QDir>

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QPrinter>

#include <exception>

namespace {

// "File I/O error: could not write /home/u/a.txt: No space left on device",
// what failed and why in one line.
QString FileErrorText(const QString &reason)
{
    return reason.isEmpty() ? QStringLiteral("File I/O error.") : QStringLiteral("File I/O error: %1").arg(reason);
}
const QString kTextPrintError = QStringLiteral("Error printing text.");
const QString kGraphPrintError = QStringLiteral("Error printing graph.");
const QString kNoRoomForGraph = QStringLiteral("The graph has no room on the printable page.");

SaveFileChooser::Request SaveDataRequest()
{
    return {
        QStringLiteral("Saving Data ..."),
        QStringLiteral("*.txt"),
        {{QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")}, {QStringLiteral("All files (*)"), QString()}}};
}

// A save onto a named pipe, a device or a folder would replace it with a
// file: such a name is refused before anything is drawn or written.
bool RefusedAsNonRegular(QWidget *window, const QString &fileName)
{
    if (!IsNonRegularFile(fileName))
        return false;
    UserPrompt::Error(window, NotRegularFileMessage(QDir::toNativeSeparators(fileName)));
    return true;
}

// Runs a graph drawing command; a scale fault of the graph ends it with the
// fault's message in an error box.
template<typename Command>
void ReportingGraphFaults(QWidget *window, Command command)
{
    try {
        command();
    } catch (const std::exception &fault) {
        UserPrompt::Error(window, QString::fromUtf8(fault.what()));
    }
}

} // namespace

TOutputCommands::TOutputCommands(QWidget *window, const DataSets &dataSets, TVexplot &graph)
    : QObject(window),
      Environment([] {
          return ReportEnvironment{QDateTime::currentDateTime(), QLocale()};
      }),
      window_(window),
      dataSets_(dataSets),
      graph_(graph),
      saveDlg_(new TMRSaveDlg(window)),
      printGraphDlg_(new TMRPrintGraphDlg(window)),
      printer_(NewCurrentPrinter())
{ }

TOutputCommands::~TOutputCommands() = default;

void TOutputCommands::menuSaveDataClick()
{
    if (!saveDlg_->Execute(TMRSaveDlg::Form::Save))
        return;
    const std::optional<SaveFileChooser::Choice> choice = SaveFileChooser::AskSaveFileName(window_, SaveDataRequest());
    if (!choice)
        return;
    if (RefusedAsNonRegular(window_, choice->fileName))
        return;
    QString error;
    switch (WriteSavedReport(choice->fileName, dataSets_, saveDlg_->Selection(), Environment(), &error)) {
    case TReportSaveResult::Saved:
        break;
    case TReportSaveResult::NotRegularFile:
        UserPrompt::Error(window_, error);
        break;
    case TReportSaveResult::WriteFailed:
        UserPrompt::Error(window_, FileErrorText(error));
        break;
    }
}

void TOutputCommands::menuPrintDataClick()
{
    if (!saveDlg_->Execute(TMRSaveDlg::Form::Print))
        return;
    const QStringList lines = PrintedReportLines(dataSets_, saveDlg_->Selection(), Environment());
    if (RunPrintJob(window_, *printer_, [&](QPrinter &printer) { return PrintReportLines(printer, lines); }) ==
        TPrintJobResult::Failed)
        UserPrompt::Error(window_, kTextPrintError);
}

void TOutputCommands::SaveGraph1Click()
{
    const std::optional<SaveFileChooser::Choice> choice = SaveFileChooser::AskSaveFileName(window_, SaveGraphRequest());
    if (!choice || RefusedAsNonRegular(window_, choice->fileName))
        return;
    ReportingGraphFaults(window_, [&] {
        QString error;
        if (!SaveGraphPicture(graph_, choice->fileName, GraphPictureFormat(*choice), &error))
            UserPrompt::Error(window_, FileErrorText(error));
    });
}

void TOutputCommands::menuPrinterSetupClick()
{
    QPrintDialog dialog(printer_.get(), window_);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Only the printer and its paper are chosen here; what is printed comes
    // from Print Data and Print Graph.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // Confirming chooses the printer; nothing is printed yet.
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>()) {
        if (QPushButton *confirm = buttons->button(QDialogButtonBox::Ok))
            confirm->setText(QStringLiteral("OK"));
    }
    dialog.exec();
}

void TOutputCommands::menuPrintGraphClick()
{
    const QSize page = PrintableSizeMM(*printer_);
    printGraphDlg_->SetPrintableSize(page.width(), page.height());
    if (!printGraphDlg_->Execute())
        return;
    const TGraphPlacementMM placement = printGraphDlg_->Placement();
    if (!GraphFitsOnPage(*printer_, placement)) {
        UserPrompt::Error(window_, kNoRoomForGraph);
        return;
    }
    ReportingGraphFaults(window_, [&] {
        const TPrintJobResult result = RunPrintJob(window_, *printer_, [&](QPrinter &printer) {
            return PrintGraphAt(graph_, printer, placement) == TGraphPrintResult::Printed;
        });
        if (result == TPrintJobResult::Failed)
            UserPrompt::Error(window_, kGraphPrintError);
    });
}
