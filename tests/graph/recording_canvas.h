// A canvas that records every drawing call instead of drawing, with simple
// fixed font metrics, so tests can assert what the graph drew and where.
#pragma once

#include "graph/canvas.h"

#include <QString>

#include <vector>

struct TDrawOp {
    enum class Kind { Line, Polyline, Polygon, Rectangle, Ellipse, FillRect, Text, Clip, Unclip };
    Kind kind;
    std::vector<QPoint> points; // line ends, vertices, or a text's origin
    int left = 0, top = 0, right = 0, bottom = 0;
    TGraphPen pen;
    TGraphBrush brush;
    TGraphFont font;
    QString text; // as shown (Symbol text mapped to Unicode)
    int escapement = 0;
};

class TRecordingCanvas : public TGraphCanvas
{
public:
    // Metrics of a font of pixel height h: every character is h/2 wide (the
    // product truncated), the cell is 6h/5 high.
    static int CharsWidth(int chars, int height) { return chars * std::abs(height) / 2; }
    static int CellHeight(int height) { return std::abs(height) * 6 / 5; }

    std::vector<TDrawOp> ops;

    std::vector<TDrawOp> OfKind(TDrawOp::Kind kind) const;
    // The first text op showing exactly `text`; fails the test when none.
    const TDrawOp &TextOp(const QString &text) const;
    bool HasText(const QString &text) const;

    void Polyline(const std::vector<QPoint> &points) override;
    void Polygon(const std::vector<QPoint> &points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void SetClipRect(int left, int top, int right, int bottom) override;
    void RemoveClip() override;

protected:
    void DoLine(int x1, int y1, int x2, int y2) override;
    void DoTextOut(int x, int y, const QString &shown, int escapement) override;
    int DoTextWidth(const QString &shown) override;
    int DoTextHeight(const QString &shown) override;

private:
    TDrawOp Op(TDrawOp::Kind kind) const;
    TDrawOp RectOp(TDrawOp::Kind kind, int left, int top, int right, int bottom) const;
};
