// Copy, Save and Print of the tool windows. Copy puts tab-separated text on
// the clipboard; Save writes the report as a text file through the atomic
// writer (CR LF line ends, as the saved reports); Print puts the report and
// the graph on the current printer as one job, the PDF file printer
// included.
#pragma once

#include <QString>
#include <QStringList>

class QPrinter;
class QWidget;
class TVexplot;

void CopyLines(const QStringList &lines);

// The save-file dialog, then the file. Errors are told in one line.
void SaveReportLines(QWidget *window, const QString &caption, const QStringList &lines);

// Paints the lines from the top of the printable area (Courier New 10 pt, a
// line wider than the area continued on the next) and the graph under them,
// on a new page when less than half the printable height is left. False
// when the job could not be started.
bool PrintLinesAndGraph(QPrinter &printer, const QStringList &lines, TVexplot &graph, const QString &title);

// One print job as the File menu's commands run one; a failure is told.
void PrintReportAndGraph(QWidget *window, QPrinter &printer, const QStringList &lines, TVexplot &graph,
                         const QString &title);
