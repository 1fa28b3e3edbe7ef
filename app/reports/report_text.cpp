#include "app/reports/report_text.h"

#include "textio/markup_text.h"

QString StripMarkup(const QString &text)
{
    QString result;
    for (const TMarkupPiece &piece : SplitMarkup(text)) {
        if (!piece.tag)
            result += piece.text;
    }
    return result;
}

qsizetype CharacterCount(QStringView text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (!(text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate()))
            ++count;
    }
    return count;
}

QString PadRight(const QString &text, qsizetype width)
{
    const qsizetype count = CharacterCount(text);
    return count >= width ? text : text + QString(width - count, QLatin1Char(' '));
}
