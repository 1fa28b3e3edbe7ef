#include "app/cli/cli_text.h"

#include "app/cli/cli_error.h"

namespace {

template<typename T>
T Parse(const std::optional<T> &value, const QString &text, const QString &what)
{
    if (!value)
        throw CliError{QStringLiteral("malformed number '%1' for %2").arg(text, what)};
    return *value;
}

} // namespace

long double ParseNumber(const QString &text, const QString &what)
{
    return Parse(pheltra::ReadNumber(text), text, what);
}
double ParseDouble(const QString &text, const QString &what)
{
    return Parse(pheltra::ReadDouble(text), text, what);
}

QString EscapedForTerminal(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category category = c.category();
        if (c == u'\n')
            result += QStringLiteral("\\n");
        else if (c == u'\t')
            result += QStringLiteral("\\t");
        else if (c == u'\r')
            result += QStringLiteral("\\r");
        else if (category == QChar::Other_Control || category == QChar::Other_Format ||
                 category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            result += QStringLiteral("\\u{%1}").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            result += c;
    }
    return result;
}

TableFormat ParseTableFormat(const QString &text)
{
    if (text == QLatin1String("tsv"))
        return TableFormat::Tsv;
    if (text == QLatin1String("csv"))
        return TableFormat::Csv;
    throw CliError{QStringLiteral("unknown format '%1' (tsv or csv)").arg(text)};
}

QString TableRow(const QStringList &fields, TableFormat format)
{
    QStringList cells;
    for (QString field : fields) {
        if (format == TableFormat::Tsv) {
            for (const char c : {'\t', '\r', '\n'})
                field.replace(QLatin1Char(c), QLatin1Char(' '));
        } else if (field.contains(QLatin1Char(',')) || field.contains(QLatin1Char('"')) ||
                   field.contains(QLatin1Char('\n')) || field.contains(QLatin1Char('\r'))) {
            field.replace(QStringLiteral("\""), QStringLiteral("\"\""));
            field = QLatin1Char('"') + field + QLatin1Char('"');
        }
        cells << field;
    }
    return cells.join(format == TableFormat::Tsv ? QLatin1Char('\t') : QLatin1Char(','));
}
