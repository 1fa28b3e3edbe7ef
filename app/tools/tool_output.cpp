#include "app/tools/tool_output.h"

#include "app/kit/user_prompt.h"
#include "app/output/current_printer.h"
#include "app/output/graph_output.h"
#include "app/output/print_job.h"
#include "app/output/report_output.h"
#include "app/output/save_file_chooser.h"
#include "textio/atomic_file.h"
#include "textio/font_faces.h"
#include "graph/metric_factor.h"
#include "graph/painter_canvas.h"
#include "graph/picture_canvas.h"
#include "graph/vexplot.h"

#include <QClipboard>
#include <QDir>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <exception>

namespace {

// The graph's height for its width on the printed page.
constexpr double kGraphAspect = 0.7;

} // namespace

void CopyLines(const QStringList &lines)
{
    QGuiApplication::clipboard()->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

void SaveReportLines(QWidget *window, const QString &caption, const QStringList &lines)
{
    const SaveFileChooser::Request request{
        caption,
        QStringLiteral("*.txt"),
        {{QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")}, {QStringLiteral("All files (*)"), QString()}}};
    const std::optional<SaveFileChooser::Choice> choice = SaveFileChooser::AskSaveFileName(window, request);
    if (!choice)
        return;
    if (IsNonRegularFile(choice->fileName)) {
        UserPrompt::Error(window, NotRegularFileMessage(QDir::toNativeSeparators(choice->fileName)));
        return;
    }
    QString error;
    if (!SaveFileAtomically(choice->fileName, (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8(),
                            &error))
        UserPrompt::Error(window, QStringLiteral("File I/O error: %1").arg(error));
}

bool PrintLinesAndGraph(QPrinter &printer, const QStringList &lines, TVexplot &graph, const QString &title)
{
    if (!PrinterCanStart(printer))
        return false;
    printer.setDocName(title);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(ReportPrintFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const auto measure = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };

    double y = 0.0;
    for (const QString &line : lines) {
        for (const QString &piece : WrapToWidth(line, area.width(), measure)) {
            if (y > 0.0 && y + metrics.lineSpacing() > area.height()) {
                if (!printer.newPage())
                    return false;
                y = 0.0;
            }
            painter.drawText(QPointF(0.0, y + metrics.ascent()), piece);
            y += metrics.lineSpacing();
        }
    }
    const int width = int(area.width());
    int height = int(area.width() * kGraphAspect);
    y += metrics.lineSpacing();
    if (area.height() - y < area.height() / 2) {
        if (!printer.newPage())
            return false;
        y = 0.0;
    }
    height = std::min(height, int(area.height() - y));
    TPictureCanvas picture;
    {
        const TWhiteBackground white(graph);
        graph.RenderGraph(picture, TDrawArea{0, int(y), width, height}, PrintMetricFactor(width, height));
    }
    TPainterCanvas page(painter);
    picture.PlayOn(page);
    return painter.end();
}

void PrintReportAndGraph(QWidget *window, QPrinter &printer, const QStringList &lines, TVexplot &graph,
                         const QString &title)
{
    try {
        const TPrintJobResult result = RunPrintJob(
            window, printer, [&](QPrinter &target) { return PrintLinesAndGraph(target, lines, graph, title); });
        if (result == TPrintJobResult::Failed)
            UserPrompt::Error(window, QStringLiteral("Error printing the report."));
        // The screen's drawing state again after the page's.
        graph.Paint();
    } catch (const std::exception &fault) {
        UserPrompt::Error(window, QString::fromUtf8(fault.what()));
    }
}
