// Measuring and drawing caption markup (see rich_text.h) on a canvas. The
// canvas' current font is the base font of the text.
#pragma once

#include "graph/canvas.h"
#include "graph/rich_text.h"

int RichTextWidth(TGraphCanvas &canvas, const TRunList &runs);
// Height of "M", plus 15 % when a run is a superscript and 25 % when one is a
// subscript.
int RichTextHeight(TGraphCanvas &canvas, const TRunList &runs);

// Draws the runs at a quarter-turn angle, aligned to (x, y): h = 0, 1, 2 for
// the start, centre or end of the line; v = 0, 1, 2 for its top, middle or
// bottom. Superscripts and subscripts are drawn at 70 % size; a superscript
// lifts nothing, so the rest of the line moves down by 15 % instead.
void DrawRichText(TGraphCanvas &canvas, int x, int y, const TRunList &runs, TTextAngle angle, int h, int v);

// Width of a markup text in the canvas' font.
int MeasureRichText(TGraphCanvas &canvas, const QString &text);

// Draws a markup text at any angle, in tenths of a degree counter-clockwise.
void DrawRotatedRichText(TGraphCanvas &canvas, int x, int y, const QString &text, int angleTenths, int h, int v);
