// Face names of the program's fonts on this platform. The classic faces map
// to their metric-compatible Liberation fonts, so captions and fields keep
// their widths:
//   "Arial" -> Liberation Sans, "Times New Roman" -> Liberation Serif,
//   "Courier New" -> Liberation Mono, "MS Sans Serif" -> the default
//   sans-serif face; "Symbol" text is drawn as Unicode in Liberation Serif
//   (a Times-like face with the Greek letters), other glyphs by fallback.
// Needs Qt's fonts but no widget: the graph and every window use it.
#pragma once

#include <QFont>
#include <QStringList>

QStringList FontFamiliesFor(const QString &faceName);

// Text extents as the screen measures them. Every surface lays text out with
// these, so a printed page or a vector picture has the layout of the window.
int ScreenTextWidth(const QFont &font, const QString &text);
int ScreenTextHeight(const QFont &font);
