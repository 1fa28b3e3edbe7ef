// The caption markup of the graph and of the coefficient table headings:
//   <B> <I> <U>     bold, italic, underline on; </B> </I> </U> off
//   <SYM> </SYM>    the Greek Symbol font on / back to the base font
//   <SUP> <SUB>     superscript / subscript; </SUP> or </SUB> back to normal
//   &lt; &gt; &amp; and &#NNN; (the character with the low 8 bits of NNN)
// Tags are matched on their first three letters, case-insensitively; there is
// no nesting, only a set of switches.
#pragma once

#include "graph/graph_types.h"
#include "textio/markup_text.h"

#include <QString>

#include <cstdint>
#include <vector>

// Texts of the graph hold at most this many characters; longer ones are cut.
constexpr int kMaxTextLength = 255;
QString CutText(const QString &text);

enum TScript : std::uint8_t { scNormal = 0, scSuperscript = 1, scSubscript = 2 };

struct TTextElement
{
    QString Text;
    QString FontName;
    TFontStyles FontStyle = 0;
    std::uint8_t Script = scNormal;
    friend bool operator==(const TTextElement &, const TTextElement &) = default;
};

// Element 0 is a header that is never drawn: the base font's name and style,
// empty text, and Script 1 when any run is a superscript. Runs follow in
// reading order.
using TRunList = std::vector<TTextElement>;

inline const QString kSymbolFontName = QStringLiteral("Symbol");

// Splits `text` into runs. Returns false for faulty markup (a '<' without a
// later '>', whose rest is dropped, or an unknown tag, which is ignored); the
// runs found stay in the list.
bool ParseRichText(const QString &text, const QString &baseFontName, TFontStyles baseStyle, TRunList &runs);

// Markup that parses into the same visible runs (empty runs aside): each
// run's switches as tags, then its text with every "<", and every "&" that
// would start an entity, written as a reference.
QString RunsToMarkup(const TRunList &runs);

// Markup of a tick label from a number formatted with the axis' label format:
// "1.0E+003" becomes 10<SUP>3 on a log axis ("5.0E+002" just 5), and
// 2.5<sym>×</sym>10<SUP>1 on a linear one ("0.0E+000" is 0). Text without an
// "E" stays as it is.
QString FormatTickLabel(const QString &formatted, bool logScale);
