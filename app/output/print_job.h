// One print job on the current printer. A real printer just prints; the PDF
// file printer that stands in for one on a machine without printers asks
// for the file every time, so that printing the data after the graph never
// silently replaces the graph's file, and says where the file went.
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

enum class TPrintJobResult { Printed, Cancelled, Refused, Failed };

// Runs `job` on `printer` as one print job; `job` returns whether it
// succeeded. On a PDF file printer the user first chooses the file in the
// save-file dialog, with the file of the last job (or of Printer Setup)
// proposed; the dialog asks before an existing file is replaced. A name that
// is no regular file (a named pipe, a device) is refused with a message, as a
// save refuses it. The job goes to the chosen file through the atomic file
// writer only when it succeeded, so a failed job leaves an earlier file
// whole; then a message names the file written. The printer keeps the chosen name for
// the next job. An exception of `job` propagates after the temporary file is
// removed.
TPrintJobResult RunPrintJob(QWidget *parent, QPrinter &printer, const std::function<bool(QPrinter &)> &job);

// The message after a job printed to a PDF file.
QString PrintedToFileMessage(const QString &fileName);
