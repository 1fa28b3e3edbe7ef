// The drawing surface the graph paints through. The graph decides every
// coordinate, pen, brush and font; a canvas only carries them out, on a
// QPainter (screen, image, printer, SVG or PDF) or into a record for tests.
// Rectangles follow the classic convention: (left, top, right, bottom) with
// the right and bottom edges outside the filled area.
#pragma once

#include "graph/graph_types.h"

#include <QPoint>
#include <QString>

#include <vector>

bool IsSymbolFontName(const QString &name);

class TGraphCanvas
{
public:
    virtual ~TGraphCanvas() = default;

    const TGraphPen &Pen() const { return pen_; }
    void SetPen(const TGraphPen &pen) { pen_ = pen; }
    const TGraphBrush &Brush() const { return brush_; }
    void SetBrush(const TGraphBrush &brush) { brush_ = brush; }
    // The font as drawn: its Height is already the scaled device height.
    const TGraphFont &Font() const { return font_; }
    void SetFont(const TGraphFont &font) { font_ = font; }
    // Background behind dotted and dashed thin pens; text is always drawn on
    // a transparent background.
    const QColor &BackgroundColor() const { return backgroundColor_; }
    bool TransparentBackground() const { return transparent_; }
    void SetBackground(const QColor &color, bool transparent)
    {
        backgroundColor_ = color;
        transparent_ = transparent;
    }

    QPoint PenPos() const { return penPos_; }
    void MoveTo(int x, int y) { penPos_ = QPoint(x, y); }
    void LineTo(int x, int y)
    {
        DoLine(penPos_.x(), penPos_.y(), x, y);
        penPos_ = QPoint(x, y);
    }

    virtual void Polyline(const std::vector<QPoint> &points) = 0;
    // Filled with the brush, outlined with the pen.
    virtual void Polygon(const std::vector<QPoint> &points) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Filled with the brush, no outline.
    virtual void FillRect(int left, int top, int right, int bottom) = 0;
    virtual void SetClipRect(int left, int top, int right, int bottom) = 0;
    virtual void RemoveClip() = 0;

    // Text with the current font, the top-left corner of its cell at (x, y),
    // turned counter-clockwise by `escapement` tenths of a degree about that
    // corner. Text in the Symbol font is drawn and measured as the Unicode
    // characters it stands for.
    void TextOut(int x, int y, const QString &text, int escapement = 0)
    {
        DoTextOut(x, y, text, ShownText(text), escapement);
    }
    int TextWidth(const QString &text) { return DoTextWidth(ShownText(text)); }
    // Height of the font's character cell (ascent plus descent).
    int TextHeight(const QString &text) { return DoTextHeight(ShownText(text)); }

protected:
    virtual void DoLine(int x1, int y1, int x2, int y2) = 0;
    // `text` as given, `shown` as it is to appear.
    virtual void DoTextOut(int x, int y, const QString &text, const QString &shown, int escapement) = 0;
    virtual int DoTextWidth(const QString &shown) = 0;
    virtual int DoTextHeight(const QString &shown) = 0;

private:
    QString ShownText(const QString &text) const;

    TGraphPen pen_;
    TGraphBrush brush_;
    TGraphFont font_;
    QColor backgroundColor_ = kColorWhite;
    bool transparent_ = true;
    QPoint penPos_;
};
