// Numbers and table rows of the batch tool. Numbers in arguments and in the
// machine-readable tables (mu, library) always use "." as the decimal point,
// whatever the locale, so scripts can read them back.
#pragma once

#include "absorber/material/number_text.h"

#include <QString>
#include <QStringList>

// A decimal number such as 10, 88.29, -3 or 1.5e4, read as
// pheltra::ReadNumber reads it; anything else (a comma, trailing text, inf,
// nan) throws CliError naming what was being read.
long double ParseNumber(const QString &text, const QString &what);
// The same read straight into a 64-bit value, as energies are passed on.
double ParseDouble(const QString &text, const QString &what);

// The material layer's shortest text that reads back as the same value.
using pheltra::ShortestText;

// Text as it may reach a terminal in a message: control and format characters
// (a line break, an escape sequence, a direction override) written as \n, \t,
// \r or \u{XXXX}, so that an echoed argument cannot break the one-line
// message or drive the terminal.
QString EscapedForTerminal(const QString &text);

enum class TableFormat { Tsv, Csv };

// "tsv" or "csv"; throws CliError for anything else.
TableFormat ParseTableFormat(const QString &text);

// One row: TSV fields joined by tabs (a tab or line break inside a field
// becomes a blank), or CSV with fields quoted where they hold a comma, a
// quote or a line break.
QString TableRow(const QStringList &fields, TableFormat format);
