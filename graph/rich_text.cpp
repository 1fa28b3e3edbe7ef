#include "graph/rich_text.h"

#include "graph/canvas.h"

#include <QLocale>

#include <cmath>

QString CutText(const QString &text)
{
    return text.left(kMaxTextLength);
}

namespace {

// The Symbol font's multiplication sign.
constexpr char16_t kSymbolTimes = 180;

struct MarkupState
{
    QString name;
    TFontStyles style;
    std::uint8_t script = scNormal;
};

bool ApplyTag(const QString &tag, const QString &baseFontName, MarkupState &state)
{
    bool closing = false;
    const QString key = MarkupTagKey(tag, closing);
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

namespace {

// "&" that the decoding would read as the start of an entity.
bool StartsEntity(const QString &text, qsizetype i)
{
    const QStringView rest = QStringView(text).mid(i + 1);
    return rest.startsWith(QLatin1Char('#')) || rest.startsWith(QLatin1String("lt;"), Qt::CaseInsensitive) ||
        rest.startsWith(QLatin1String("gt;"), Qt::CaseInsensitive) ||
        rest.startsWith(QLatin1String("amp;"), Qt::CaseInsensitive);
}

QString EscapedRunText(const QString &text)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('<'))
            out += QStringLiteral("&lt;");
        else if (text[i] == QLatin1Char('&') && StartsEntity(text, i))
            out += QStringLiteral("&#38;");
        else
            out += text[i];
    }
    return out;
}

} // namespace

QString RunsToMarkup(const TRunList &runs)
{
    if (runs.empty())
        return {};
    QString out;
    TFontStyles style = runs.front().FontStyle;
    bool symbol = IsSymbolFontName(runs.front().FontName);
    std::uint8_t script = scNormal;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        const TTextElement &run = runs[i];
        for (const auto &[bit, tag] : {std::pair{fsBold, "B"}, std::pair{fsItalic, "I"}, std::pair{fsUnderline, "U"}}) {
            if ((run.FontStyle & bit) != (style & bit))
                out += QStringLiteral("<%1%2>").arg(QLatin1String(run.FontStyle & bit ? "" : "/"), QLatin1String(tag));
        }
        style = run.FontStyle;
        if (IsSymbolFontName(run.FontName) != symbol) {
            symbol = !symbol;
            out += symbol ? QStringLiteral("<SYM>") : QStringLiteral("</SYM>");
        }
        if (run.Script != script) {
            script = run.Script;
            out += script == scSuperscript ? QStringLiteral("<SUP>")
                : script == scSubscript    ? QStringLiteral("<SUB>")
                                           : QStringLiteral("</SUB>");
        }
        out += EscapedRunText(run.Text);
    }
    return out;
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
