// A recorded picture of the graph: every drawing call with its pen, brush
// and font, in device units, to be played onto another canvas later. Printing
// draws the graph into one and then onto the page, as a metafile would be;
// checks use it to see what was drawn and where. Text is measured as on the
// screen.
#pragma once

#include "graph/canvas.h"

#include <QString>

#include <vector>

struct TDrawOp
{
    enum class Kind { Line, Polyline, Polygon, Rectangle, Ellipse, FillRect, Text, Clip, Unclip };
    Kind kind = Kind::Line;
    std::vector<QPoint> points; // line ends, vertices, or a text's origin
    int left = 0, top = 0, right = 0, bottom = 0;
    TGraphPen pen;
    TGraphBrush brush;
    TGraphFont font;
    QColor background = kColorWhite;
    bool transparent = true;
    QString text;  // as shown (Symbol text mapped to Unicode)
    QString given; // as given to TextOut
    int escapement = 0;
};

class TPictureCanvas : public TGraphCanvas
{
public:
    // The picture: one entry per drawing call, in order.
    std::vector<TDrawOp> ops;

    // Draws the picture onto `target`, call by call.
    void PlayOn(TGraphCanvas &target) const;

    void Polyline(const std::vector<QPoint> &points) override;
    void Polygon(const std::vector<QPoint> &points) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void FillRect(int left, int top, int right, int bottom) override;
    void SetClipRect(int left, int top, int right, int bottom) override;
    void RemoveClip() override;

protected:
    void DoLine(int x1, int y1, int x2, int y2) override;
    void DoTextOut(int x, int y, const QString &text, const QString &shown, int escapement) override;
    int DoTextWidth(const QString &shown) override;
    int DoTextHeight(const QString &shown) override;

private:
    TDrawOp Op(TDrawOp::Kind kind) const;
    void AddRect(TDrawOp::Kind kind, int left, int top, int right, int bottom);
};
