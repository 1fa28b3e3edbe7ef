#include "app/tools/result_rows.h"

#include "absorber/material/number_text.h"

#include <algorithm>
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

QStringList AlignedRows(const std::vector<ResultRow> &rows)
{
    qsizetype labelWidth = 0, valueWidth = 0;
    for (const ResultRow &row : rows) {
        labelWidth = std::max(labelWidth, row.label.size());
        valueWidth = std::max(valueWidth, FullValue(row.value).size());
    }
    QStringList lines;
    for (const ResultRow &row : rows) {
        const QString value = std::isfinite(row.value) ? FullValue(row.value) : kNoValue;
        lines << (row.label.leftJustified(labelWidth + 2) + value.rightJustified(valueWidth) + QLatin1Char(' ') +
                  row.unit)
                     .trimmed();
    }
    return lines;
}

QStringList AlignedTable(const QStringList &header, const std::vector<std::vector<double>> &rows, int digits)
{
    std::vector<QStringList> cells{header};
    for (const std::vector<double> &row : rows) {
        QStringList fields;
        for (const double value : row)
            fields << (!std::isfinite(value) ? QString()
                           : digits > 0      ? QString::number(value, 'g', digits)
                                             : FullValue(value));
        cells.push_back(fields);
    }
    std::vector<qsizetype> widths(std::size_t(header.size()), 0);
    for (const QStringList &fields : cells)
        for (qsizetype i = 0; i < fields.size() && i < header.size(); ++i)
            widths[std::size_t(i)] = std::max(widths[std::size_t(i)], fields[i].size());
    QStringList lines;
    for (const QStringList &fields : cells) {
        QString line;
        for (qsizetype i = 0; i < fields.size() && i < header.size(); ++i)
            line += fields[i].rightJustified(widths[std::size_t(i)] + 2);
        lines << line;
    }
    return lines;
}

} // namespace pheltra
