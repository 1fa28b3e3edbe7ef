#include "app/output/report_output.h"

#include "app/output/current_printer.h"
#include "app/reports/reports.h"
#include "textio/font_faces.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <cmath>

QStringList WrapToWidth(const QString &line, double width, const std::function<double(const QString &)> &measure)
{
    QStringList pieces;
    QString rest = line;
    while (!rest.isEmpty()) {
        // The longest prefix that fits; at least one character, so a page
        // narrower than one glyph still makes progress.
        qsizetype low = 1, high = rest.size();
        while (low < high) {
            const qsizetype mid = (low + high + 1) / 2;
            if (measure(rest.left(mid)) <= width)
                low = mid;
            else
                high = mid - 1;
        }
        pieces << rest.left(low);
        rest.remove(0, low);
    }
    if (pieces.isEmpty())
        pieces << QString();
    return pieces;
}

QFont ReportPrintFont()
{
    QFont font;
    font.setFamilies(FontFamiliesFor(QString::fromLatin1(kReportFontFace)));
    font.setPointSize(kReportFontPoints);
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

bool PrintReportLines(QPrinter &printer, const QStringList &lines)
{
    if (!PrinterCanStart(printer))
        return false;
    printer.setDocName(QStringLiteral("Pheltra data"));
    QPainter painter;
    if (!painter.begin(&printer))
        return false;

    painter.setFont(ReportPrintFont());
    const QFontMetricsF metrics(painter.font(), &printer);
    const double lineHeight = metrics.lineSpacing();
    // The painter's origin is the top left of the printable area.
    const QRectF area = printer.pageLayout().paintRectPixels(printer.resolution());
    const auto measure = [&metrics](const QString &text) { return metrics.horizontalAdvance(text); };

    double y = 0.0;
    bool pageHasLines = false;
    for (const QString &line : lines) {
        for (const QString &piece : WrapToWidth(line, area.width(), measure)) {
            if (pageHasLines && y + lineHeight > area.height()) {
                if (!printer.newPage()) {
                    painter.end();
                    return false;
                }
                y = 0.0;
            }
            painter.drawText(QPointF(0.0, y + metrics.ascent()), piece);
            y += lineHeight;
            pageHasLines = true;
        }
    }
    return painter.end();
}
