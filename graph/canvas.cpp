#include "graph/canvas.h"

#include "graph/rich_text.h"
#include "textio/symbol_encoding.h"

bool IsSymbolFontName(const QString &name)
{
    return name.compare(kSymbolFontName, Qt::CaseInsensitive) == 0;
}

QString TGraphCanvas::ShownText(const QString &text) const
{
    return IsSymbolFontName(font_.Name) ? SymbolTextToUnicode(text) : text;
}
