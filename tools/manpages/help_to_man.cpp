#include "tools/manpages/help_to_man.h"

#include <QRegularExpression>
#include <QStringList>

namespace {

// Text safe in troff: backslashes doubled as \e, a dash that starts an option
// as \- (so that it is searchable and never hyphenated), and a line that would
// start with a control character guarded by \&.
QString Escape(const QString &text)
{
    QString out;
    out.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\\')) {
            out += QStringLiteral("\\e");
        } else if (c == QLatin1Char('-')) {
            const QChar before = i > 0 ? text[i - 1] : QLatin1Char(' ');
            const bool optionDash = before == QLatin1Char('-') || before.isSpace() || before == QLatin1Char('[') ||
                before == QLatin1Char('(') || before == QLatin1Char('|') || before == QLatin1Char('"');
            out += optionDash ? QStringLiteral("\\-") : QStringLiteral("-");
        } else {
            out += c;
        }
    }
    return out;
}

QString Line(const QString &text)
{
    const QString escaped = Escape(text);
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        return QStringLiteral("\\&") + escaped + QLatin1Char('\n');
    return escaped + QLatin1Char('\n');
}

const QRegularExpression &ItemPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^  (\\S(?:.*?\\S)?)\\s{2,}(\\S.*)$"));
    return pattern;
}

qsizetype Indent(const QString &line)
{
    qsizetype n = 0;
    while (n < line.size() && line[n] == QLatin1Char(' '))
        ++n;
    return n;
}

} // namespace

QString HelpToMan(const QString &helpText)
{
    QStringList lines = helpText.split(QLatin1Char('\n'));
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();

    QString out;
    enum class State { Start, Text, Item, Usage } state = State::Start;
    for (const QString &line : lines) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty()) {
            if (state == State::Usage)
                out += QStringLiteral(".fi\n");
            state = State::Start;
            continue;
        }
        if (state == State::Usage && Indent(line) > 0) {
            out += Line(trimmed);
            continue;
        }
        if (line.startsWith(QLatin1String("Usage: "))) {
            if (state == State::Usage)
                out += QStringLiteral(".fi\n");
            out += QStringLiteral(".PP\n.nf\n") + Line(line.mid(7));
            state = State::Usage;
            continue;
        }
        if (state == State::Usage) {
            out += QStringLiteral(".fi\n");
            state = State::Start;
        }
        const QRegularExpressionMatch item = ItemPattern().match(line);
        if (item.hasMatch()) {
            out += QStringLiteral(".TP\n.B ") + Escape(item.captured(1)) + QLatin1Char('\n') + Line(item.captured(2));
            state = State::Item;
        } else if (state == State::Item && Indent(line) > 2) {
            out += Line(trimmed);
        } else {
            if (state != State::Text)
                out += QStringLiteral(".PP\n");
            out += Line(trimmed);
            state = State::Text;
        }
    }
    if (state == State::Usage)
        out += QStringLiteral(".fi\n");
    return out;
}

QString ManPage(const QString &name, const QString &summary, const QString &version, const QList<ManSection> &sections)
{
    QString page = QStringLiteral(".TH %1 1 \"\" \"%2 %3\" \"User Commands\"\n")
                       .arg(name.toUpper(), Escape(name), Escape(version));
    // Paths and option names are never hyphenated, and lines are not
    // stretched to the right margin.
    page += QStringLiteral(".nh\n.ad l\n");
    page += QStringLiteral(".SH NAME\n") + Escape(name) + QStringLiteral(" \\- ") + Escape(summary) + QLatin1Char('\n');
    QString heading;
    for (const ManSection &section : sections) {
        if (section.heading != heading) {
            page += QStringLiteral(".SH ") + section.heading + QLatin1Char('\n');
            heading = section.heading;
        }
        if (!section.subheading.isEmpty())
            page += QStringLiteral(".SS ") + Escape(section.subheading) + QLatin1Char('\n');
        page += HelpToMan(section.helpText);
    }
    return page;
}
