// The current printer: the one "Printer Setup" chooses and every printing
// command prints on. On a machine without any printer it is Qt's "print to
// PDF file", writing Pheltra.pdf in the user's home folder until Printer
// Setup names another file.
#pragma once

#include <QSize>
#include <QString>

#include <memory>

class QPrinter;

inline constexpr char kDefaultPrintFileName[] = "Pheltra.pdf";

// The system's default printer, or, without one, the PDF file printer
// writing `pdfFileName` (by default Pheltra.pdf in the home folder).
std::unique_ptr<QPrinter> NewCurrentPrinter(const QString &pdfFileName = QString());

// Whether a print job can be tried on the printer: a file printer needs a
// file name. (Starting a job on a file printer without one fails and leaves
// the printer unusable for the rest of the run.)
bool PrinterCanStart(const QPrinter &printer);

// The printable width and height in whole millimetres, cut, so that a graph
// of that size always fits.
QSize PrintableSizeMM(const QPrinter &printer);
