#include "textio/markup_text.h"

#include "textio/symbol_encoding.h"

namespace {

QString DecodeNumericReferences(const QString &s)
{
    QString out;
    out.reserve(s.size());
    qsizetype i = 0;
    while (i < s.size()) {
        const qsizetype amp = s.indexOf(QStringLiteral("&#"), i);
        if (amp < 0) {
            out += QStringView(s).mid(i);
            break;
        }
        out += QStringView(s).mid(i, amp - i);
        qsizetype end = s.indexOf(QLatin1Char(';'), amp + 2);
        const qsizetype digitsEnd = end < 0 ? s.size() : end;
        const QStringView digits = QStringView(s).mid(amp + 2, digitsEnd - amp - 2);
        bool valid = !digits.isEmpty();
        unsigned low8 = 0;
        for (QChar c : digits) {
            if (c < QLatin1Char('0') || c > QLatin1Char('9')) {
                valid = false;
                break;
            }
            low8 = (low8 * 10 + unsigned(c.unicode() - '0')) & 0xFFu;
        }
        if (!valid) {
            // Not a number: shown as typed rather than failing the drawing.
            out += QStringLiteral("&#");
            i = amp + 2;
            continue;
        }
        out += QChar(char16_t(low8));
        i = end < 0 ? s.size() : end + 1;
    }
    return out;
}

} // namespace

QString DecodeEntities(const QString &segment)
{
    QString s = segment;
    s.replace(QStringLiteral("&LT;"), QStringLiteral("<"), Qt::CaseInsensitive);
    s.replace(QStringLiteral("&GT;"), QStringLiteral(">"), Qt::CaseInsensitive);
    s.replace(QStringLiteral("&AMP;"), QStringLiteral("&"), Qt::CaseInsensitive);
    return DecodeNumericReferences(s);
}

QString MarkupTagKey(const QString &tag, bool &closing)
{
    closing = tag.startsWith(QLatin1Char('/'));
    return tag.mid(closing ? 1 : 0, 3).toUpper();
}

std::vector<TMarkupPiece> SplitMarkup(const QString &text)
{
    std::vector<TMarkupPiece> pieces;
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open);
        const QString before = text.mid(pos, (open < 0 ? text.size() : open) - pos);
        // Removed text never held a ">", so a ">" before this "<" is the
        // first ">" of all: no more tags.
        if (close < 0 || before.contains(QLatin1Char('>'))) {
            pieces.push_back({text.mid(pos), false});
            break;
        }
        if (!before.isEmpty())
            pieces.push_back({before, false});
        pieces.push_back({text.mid(open + 1, close - open - 1), true});
        pos = close + 1;
    }
    return pieces;
}

QString PlainTextOfMarkup(const QString &text)
{
    // Without a "<" there is no tag and without a "&" no entity: most report
    // lines, the millions of coefficient rows among them, are plain already.
    if (!text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('&')))
        return text;
    QString plain;
    bool symbol = false;
    for (const TMarkupPiece &piece : SplitMarkup(text)) {
        if (!piece.tag) {
            const QString decoded = DecodeEntities(piece.text);
            plain += symbol ? SymbolTextToUnicode(decoded) : decoded;
            continue;
        }
        bool closing = false;
        if (MarkupTagKey(piece.text, closing) == QLatin1String("SYM"))
            symbol = !closing;
    }
    return plain;
}
