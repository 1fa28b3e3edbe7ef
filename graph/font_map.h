// Face names of the graph's fonts on this platform. The classic faces map to
// their metric-compatible Liberation fonts, so captions keep their widths:
//   "Arial" -> Liberation Sans, "Times New Roman" -> Liberation Serif,
//   "Courier New" -> Liberation Mono, "MS Sans Serif" -> the default
//   sans-serif face; "Symbol" text is drawn as Unicode in Liberation Serif
//   (a Times-like face with the Greek letters), other glyphs by fallback.
#pragma once

#include "graph/graph_types.h"

#include <QFont>
#include <QStringList>

QStringList FontFamiliesFor(const QString &faceName);

// A QFont of the given face, style and device height (see TGraphFont).
QFont QtFontFor(const TGraphFont &font);

// Text extents as the screen measures them. Every surface lays text out with
// these, so a printed page or a vector picture has the layout of the window.
int ScreenTextWidth(const QFont &font, const QString &text);
int ScreenTextHeight(const QFont &font);
