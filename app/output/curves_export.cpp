#include "app/output/curves_export.h"

#include "absorber/coefficient_types.h"
#include "app/reports/number_format.h"
#include "graph/plot_engine.h"

namespace {

// A field quoted when it holds a comma, a quote or a line end.
QString CsvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QByteArray CurvesCsv(const TPlotEngine &graph, const DataSets &sets)
{
    QString text = QStringLiteral("data set,legend,type,energy (keV),coefficient (cm2/g)\r\n");
    for (int i = 0; i < DataSets::Count(); ++i) {
        const TSeries *series = graph.Series(i + 1);
        if (!series || !series->Shown())
            continue;
        const QString lead = QStringLiteral("%1,%2,%3,")
                                 .arg(QString::number(i + 1), CsvField(sets[i].Legend.str().trimmed()),
                                      CsvField(CoeffTypeName(sets[i].CoeffType)));
        for (const TSeriesPoint &point : series->Points)
            text += lead + FullPrecision(point.X) + QLatin1Char(',') + FullPrecision(point.Y) + QStringLiteral("\r\n");
    }
    return text.toUtf8();
}
