#include "app/output/print_job.h"

#include "app/kit/user_prompt.h"
#include "app/output/save_file_chooser.h"
#include "textio/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QTemporaryDir>

namespace {

SaveFileChooser::Request PdfFileRequest(const QPrinter &printer)
{
    return {QStringLiteral("Printing to a PDF File ..."),
            printer.outputFileName(),
            {{QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf")},
             {QStringLiteral("All files (*)"), QString()}}};
}

// The printer writes its scratch file while it lives; afterwards it names
// the chosen file again.
class PrinterFileName
{
public:
    PrinterFileName(QPrinter &printer, const QString &chosen) : printer_(printer), chosen_(chosen) { }
    ~PrinterFileName() { printer_.setOutputFileName(chosen_); }
    PrinterFileName(const PrinterFileName &) = delete;
    PrinterFileName &operator=(const PrinterFileName &) = delete;

private:
    QPrinter &printer_;
    QString chosen_;
};

// A job cut short by a full disk can still report success; a whole PDF file
// ends in its end-of-file marker.
bool IsAWholePdf(const QByteArray &pdf)
{
    constexpr qsizetype kTail = 16;
    return pdf.right(kTail).trimmed().endsWith("%%EOF");
}

// The printer can only write a file of its own, so it prints into a scratch
// folder; the finished document then goes to the chosen file the way every
// save goes, whole or not at all.
bool PrintToFile(QPrinter &printer, const QString &fileName, const std::function<bool(QPrinter &)> &job)
{
    const QTemporaryDir scratch;
    if (!scratch.isValid())
        return false;
    const QString scratchFile = scratch.filePath(QStringLiteral("job.pdf"));
    {
        const PrinterFileName restore(printer, fileName);
        printer.setOutputFileName(scratchFile);
        if (!job(printer))
            return false;
    }
    QFile printed(scratchFile);
    if (!printed.open(QIODevice::ReadOnly))
        return false;
    const QByteArray pdf = printed.readAll();
    return IsAWholePdf(pdf) && SaveFileAtomically(fileName, pdf);
}

} // namespace

TPrintJobResult RunPrintJob(QWidget *parent, QPrinter &printer, const std::function<bool(QPrinter &)> &job)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return job(printer) ? TPrintJobResult::Printed : TPrintJobResult::Failed;
    const std::optional<SaveFileChooser::Choice> choice =
        SaveFileChooser::AskSaveFileName(parent, PdfFileRequest(printer));
    if (!choice)
        return TPrintJobResult::Cancelled;
    // A named pipe, a device or a folder is refused as a save refuses it,
    // before anything is printed.
    if (IsNonRegularFile(choice->fileName)) {
        UserPrompt::Error(parent, NotRegularFileMessage(QDir::toNativeSeparators(choice->fileName)));
        return TPrintJobResult::Refused;
    }
    if (!PrintToFile(printer, choice->fileName, job))
        return TPrintJobResult::Failed;
    UserPrompt::Message(parent, PrintedToFileMessage(choice->fileName));
    return TPrintJobResult::Printed;
}

QString PrintedToFileMessage(const QString &fileName)
{
    return QStringLiteral("Printed to the PDF file %1").arg(QDir::toNativeSeparators(fileName));
}
