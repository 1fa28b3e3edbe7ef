#include "app/output/print_job.h"

#include "app/kit/user_prompt.h"
#include "app/output/save_file_chooser.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

SaveFileChooser::Request PdfFileRequest(const QPrinter &printer)
{
    return {QStringLiteral("Printing to a PDF File ..."),
            printer.outputFileName(),
            {{QStringLiteral("PDF document (*.pdf)"), QStringLiteral("pdf")},
             {QStringLiteral("All files (*)"), QString()}}};
}

// The printer writes the temporary file while it lives; afterwards it names
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

bool Replace(const QString &from, const QString &to)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(from).toStdString(), QFile::encodeName(to).toStdString(), error);
    return !error;
}

// A job cut short by a full disk can still report success; a whole PDF file
// ends in its end-of-file marker.
bool EndsAsAWholePdf(const QString &fileName)
{
    QFile file(fileName);
    constexpr qint64 kTail = 16;
    if (!file.open(QIODevice::ReadOnly) || !file.seek(std::max<qint64>(0, file.size() - kTail)))
        return false;
    return file.readAll().trimmed().endsWith("%%EOF");
}

bool PrintToFile(QPrinter &printer, const QString &fileName, const std::function<bool(QPrinter &)> &job)
{
    const QFileInfo target(fileName);
    QTemporaryFile temporary(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.pdf").arg(target.fileName())));
    if (!temporary.open())
        return false;
    // The permissions of the file it replaces, or those of a new file.
    temporary.setPermissions(target.exists() ? target.permissions()
                                             : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser |
                                     QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    temporary.close();
    const PrinterFileName restore(printer, fileName);
    printer.setOutputFileName(temporary.fileName());
    if (!job(printer) || !EndsAsAWholePdf(temporary.fileName()) || !Replace(temporary.fileName(), fileName))
        return false;
    temporary.setAutoRemove(false); // it is the chosen file now
    return true;
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
    if (!PrintToFile(printer, choice->fileName, job))
        return TPrintJobResult::Failed;
    UserPrompt::Message(parent, PrintedToFileMessage(choice->fileName));
    return TPrintJobResult::Printed;
}

QString PrintedToFileMessage(const QString &fileName)
{
    return QStringLiteral("Printed to the PDF file %1").arg(QDir::toNativeSeparators(fileName));
}
