#include "graph/rich_text.h"

#include <QLocale>

#include <cmath>

QString CutText(const QString &text)
{
    return text.left(kMaxTextLength);
}

namespace {

// The Symbol font's multiplication sign.
constexpr char16_t kSymbolTimes = 180;

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

struct MarkupState
{
    QString name;
    TFontStyles style;
    std::uint8_t script = scNormal;
};

bool ApplyTag(QString tag, const QString &baseFontName, MarkupState &state)
{
    const bool closing = tag.startsWith(QLatin1Char('/'));
    if (closing)
        tag.remove(0, 1);
    const QString key = tag.left(3).toUpper();
    auto toggle = [&](TFontStyles bit) {
        state.style = closing ? TFontStyles(state.style & ~bit) : TFontStyles(state.style | bit);
    };
    if (key == QLatin1String("B"))
        toggle(fsBold);
    else if (key == QLatin1String("I"))
        toggle(fsItalic);
    else if (key == QLatin1String("U"))
        toggle(fsUnderline);
    else if (key == QLatin1String("SYM"))
        state.name = closing ? baseFontName : kSymbolFontName;
    else if (key == QLatin1String("SUP"))
        state.script = closing ? scNormal : scSuperscript;
    else if (key == QLatin1String("SUB"))
        state.script = closing ? scNormal : scSubscript;
    else
        return false;
    return true;
}

// The value of a formatted number's mantissa, written with the locale's or
// C's decimal separator.
bool MantissaValue(QString mantissa, double &value)
{
    mantissa = mantissa.trimmed();
    bool ok = false;
    value = QLocale().toDouble(mantissa, &ok);
    if (!ok)
        value = QLocale::c().toDouble(mantissa, &ok);
    return ok;
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

bool ParseRichText(const QString &text, const QString &baseFontName, TFontStyles baseStyle, TRunList &runs)
{
    runs.clear();
    runs.push_back({QString(), baseFontName, baseStyle, scNormal});
    MarkupState state{baseFontName, baseStyle, scNormal};
    bool result = true;
    QString rest = CutText(text);
    do {
        const qsizetype open = rest.indexOf(QLatin1Char('<'));
        const QString segment = open < 0 ? rest : rest.left(open);
        rest = open < 0 ? QString() : rest.mid(open);
        runs.push_back({DecodeEntities(segment), state.name, state.style, state.script});
        if (state.script == scSuperscript)
            runs.front().Script = scSuperscript;
        if (open < 0)
            break;
        const qsizetype close = rest.indexOf(QLatin1Char('>'));
        if (close < 0)
            return false;
        const QString tag = rest.mid(1, close - 1);
        rest.remove(0, close + 1);
        if (!ApplyTag(tag, baseFontName, state))
            result = false;
    } while (!rest.isEmpty());
    return result;
}

QString FormatTickLabel(const QString &formatted, bool logScale)
{
    const qsizetype e = formatted.indexOf(QLatin1Char('E'));
    if (e < 0)
        return formatted;
    const QString mantissa = formatted.left(e);
    bool ok = false;
    const int exponent = formatted.mid(e + 1).trimmed().toInt(&ok);
    if (!ok)
        return formatted;
    const QString power = QStringLiteral("10<SUP>") + QString::number(exponent);
    double m = 0;
    const bool numeric = MantissaValue(mantissa, m);
    if (numeric && logScale) {
        // Intermediate log ticks show only their leading digit.
        if (m == 1)
            return power;
        return QString::number(vexplot::RoundHalfEven(m), 'f', 0);
    }
    if (numeric && m == 0)
        return QStringLiteral("0");
    return mantissa + QStringLiteral("<sym>") + QChar(kSymbolTimes) + QStringLiteral("</sym>") + power;
}
