#include "app/output/graph_output.h"

#include "app/output/current_printer.h"
#include "graph/print_layout.h"
#include "graph/vexplot.h"

#include <QPrinter>

namespace {

const QString kSvgFilter = QStringLiteral("SVG picture (*.svg)");
const QString kPdfFilter = QStringLiteral("PDF document (*.pdf)");
const QString kAllFilesFilter = QStringLiteral("All files (*)");

} // namespace

TWhiteBackground::TWhiteBackground(TVexplot &graph) : graph_(graph), former_(graph.Color())
{
    graph_.SetColor(Qt::white);
}

TWhiteBackground::~TWhiteBackground()
{
    graph_.SetColor(former_);
}

SaveFileChooser::Request SaveGraphRequest()
{
    return {QStringLiteral("Saving Graph to a vector picture ..."),
            QStringLiteral("*.svg"),
            {{kSvgFilter, QStringLiteral("svg")}, {kPdfFilter, QStringLiteral("pdf")}, {kAllFilesFilter, QString()}}};
}

TMetafileFormat GraphPictureFormat(const SaveFileChooser::Choice &choice)
{
    return choice.selectedFilter == kPdfFilter ? TMetafileFormat::Pdf : MetafileFormatFor(choice.fileName);
}

bool SaveGraphPicture(TVexplot &graph, const QString &fileName, TMetafileFormat format, QString *error)
{
    TMetafile picture(format);
    {
        const TWhiteBackground white(graph);
        if (!graph.DrawToMetafile(&picture, true, kGraphPictureWidth, kGraphPictureHeight,
                                  QString::fromLatin1(kGraphPictureDescription))) {
            if (error)
                *error = QStringLiteral("The graph could not be drawn.");
            return false;
        }
    }
    return picture.SaveToFile(fileName, error);
}

bool GraphFitsOnPage(const QPrinter &printer, const TGraphPlacementMM &placement)
{
    return PrintArea(TVexplot::PageOf(printer), placement.left, placement.top, placement.width, placement.height)
        .has_value();
}

TGraphPrintResult PrintGraphAt(TVexplot &graph, QPrinter &printer, const TGraphPlacementMM &placement)
{
    if (!GraphFitsOnPage(printer, placement))
        return TGraphPrintResult::NoRoomOnPage;
    if (!PrinterCanStart(printer))
        return TGraphPrintResult::PrinterFailed;
    const TWhiteBackground white(graph);
    return graph.PrintGraph(printer, placement.left, placement.top, placement.width, placement.height)
        ? TGraphPrintResult::Printed
        : TGraphPrintResult::PrinterFailed;
}
