// The graph on paper and in a file: the vector picture "Save Graph" writes
// and the printed graph of "Print Graph". Both are drawn on a white
// background; the graph on screen keeps its own.
#pragma once

#include "app/output/print_graph_dialog.h"
#include "app/output/save_file_chooser.h"
#include "graph/metafile.h"

#include <QColor>
#include <QString>

class QPrinter;
class TVexplot;

inline constexpr char kGraphPictureDescription[] = "Created by Pheltra / Quorvik, Dastrel";
inline constexpr int kGraphPictureWidth = 1400;
inline constexpr int kGraphPictureHeight = 1000;

// Gives the graph a white background while it lives and its former colour
// back when it ends, also when drawing fails.
class TWhiteBackground
{
public:
    explicit TWhiteBackground(TVexplot &graph);
    ~TWhiteBackground();
    TWhiteBackground(const TWhiteBackground &) = delete;
    TWhiteBackground &operator=(const TWhiteBackground &) = delete;

private:
    TVexplot &graph_;
    QColor former_;
};

// The save-file dialog of "Save Graph": SVG pictures first, then PDF
// documents, then all files.
SaveFileChooser::Request SaveGraphRequest();

// PDF when the user picked the PDF filter or a name ending in ".pdf", SVG
// otherwise.
TMetafileFormat GraphPictureFormat(const SaveFileChooser::Choice &choice);

// Draws the graph as a picture of 1400 x 1000 units with the program's
// description and writes it to `fileName`, replacing an earlier file only
// when the new one was written whole. False, with the reason in `error`,
// when it could not be drawn or written. Drawing errors of the graph (scale
// faults) propagate.
bool SaveGraphPicture(TVexplot &graph, const QString &fileName, TMetafileFormat format, QString *error = nullptr);

// What printing the graph came to.
enum class TGraphPrintResult { Printed, NoRoomOnPage, PrinterFailed };

// Whether the placement leaves the graph an area on the printer's page.
bool GraphFitsOnPage(const QPrinter &printer, const TGraphPlacementMM &placement);

// Prints the graph as one job on `printer` at the placement. Drawing errors
// of the graph propagate.
TGraphPrintResult PrintGraphAt(TVexplot &graph, QPrinter &printer, const TGraphPlacementMM &placement);
