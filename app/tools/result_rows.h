// The figures a tool window shows, copies and reports, each once: a label,
// a value (NaN: none, shown as "--") and its unit.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <limits>
#include <vector>

namespace pheltra {

struct ResultRow
{
    QString label;
    double value = std::numeric_limits<double>::quiet_NaN();
    QString unit;
};

// Four significant digits in the locale, "--" for a value that is not a
// finite number.
QString ShownValue(double value, const QLocale &locale = QLocale());
// The shortest text that reads back as the value ("." as the decimal
// point), empty for none: what Copy and the reports give.
QString FullValue(double value);

// label TAB value TAB unit, a line each, in full precision.
QStringList TabSeparatedRows(const std::vector<ResultRow> &rows);

// A table of numbers as tab-separated lines under a header, in full
// precision.
QStringList TabSeparatedTable(const QStringList &header, const std::vector<std::vector<double>> &rows);

// The same for a report read on paper or in an editor: the rows as
// "label  value  unit" with the values in one column, the table with every
// column padded to its widest field; values in full precision.
QStringList AlignedRows(const std::vector<ResultRow> &rows);
// digits: significant digits of the table's values; 0 for full precision.
QStringList AlignedTable(const QStringList &header, const std::vector<std::vector<double>> &rows, int digits = 0);

} // namespace pheltra
