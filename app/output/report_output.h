// Where the printed reports go: the current printer as a line-by-line text
// device in "Courier New" 10 pt. (Save Data streams its file through
// WriteSavedReport, app/reports/report_file.h.)
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

class QPrinter;

// Splits a line into the pieces that fit `width`, as a text device continues
// a line wider than the page on the next line: each piece as long as fits,
// at least one character. `measure` gives a text's width. An empty line
// stays one empty piece.
QStringList WrapToWidth(const QString &line, double width, const std::function<double(const QString &)> &measure);

// The face and size the reports are printed in.
inline constexpr char kReportFontFace[] = "Courier New";
inline constexpr int kReportFontPoints = 10;

// Prints the lines as one job on `printer`: from the top left of the
// printable area one under the other, a line wider than the area continued
// on the next line, a new page whenever the next line does not fit. No
// headers, footers or page numbers. False when the job could not be started
// or a page could not be added.
// The monospaced font printed reports are set in.
QFont ReportPrintFont();
bool PrintReportLines(QPrinter &printer, const QStringList &lines);
