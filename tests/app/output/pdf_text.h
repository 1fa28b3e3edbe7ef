// What a PDF file shows, read with poppler's pdfinfo and pdftotext as a user
// opening the file would see it.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

namespace output_test {

inline QString RunTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The number of pages, or -1 when the file is no readable PDF.
inline int PdfPageCount(const QString &path)
{
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral(R"(^Pages:\s+(\d+)$)"), QRegularExpression::MultilineOption)
            .match(RunTool(QStringLiteral("pdfinfo"), {path}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

// The text lines of one page (1-based) in their order on the page, each
// with its blanks simplified (pdftotext places words by position, so runs of
// blanks come out shorter or longer than printed); blank lines dropped.
inline QStringList PdfPageLines(const QString &path, int page)
{
    const QString text = RunTool(QStringLiteral("pdftotext"),
                                 {QStringLiteral("-layout"), QStringLiteral("-f"), QString::number(page),
                                  QStringLiteral("-l"), QString::number(page), path, QStringLiteral("-")});
    QStringList lines;
    for (const QString &line : text.split(QLatin1Char('\n'))) {
        const QString trimmed = QString(line).remove(QLatin1Char('\f')).simplified();
        if (!trimmed.isEmpty())
            lines << trimmed;
    }
    return lines;
}

} // namespace output_test
