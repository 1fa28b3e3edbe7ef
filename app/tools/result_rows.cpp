#include "app/tools/result_rows.h"

#include "absorber/material/number_text.h"

#include <cmath>

namespace pheltra {

namespace {

constexpr int kShownDigits = 4;
const QString kNoValue = QStringLiteral("--");

} // namespace

QString ShownValue(double value, const QLocale &locale)
{
    if (!std::isfinite(value))
        return kNoValue;
    QString text = locale.toString(value, 'g', kShownDigits);
    text.remove(locale.groupSeparator());
    return text;
}

QString FullValue(double value)
{
    return std::isfinite(value) ? ShortestText(value) : QString();
}

QStringList TabSeparatedRows(const std::vector<ResultRow> &rows)
{
    QStringList lines;
    for (const ResultRow &row : rows)
        lines << QStringList{row.label, FullValue(row.value), row.unit}.join(QLatin1Char('\t'));
    return lines;
}

QStringList TabSeparatedTable(const QStringList &header, const std::vector<std::vector<double>> &rows)
{
    QStringList lines{header.join(QLatin1Char('\t'))};
    for (const std::vector<double> &row : rows) {
        QStringList fields;
        for (const double value : row)
            fields << FullValue(value);
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines;
}

} // namespace pheltra
