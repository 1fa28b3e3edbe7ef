#include "graph/picture_canvas.h"

#include "graph/font_map.h"

TDrawOp TPictureCanvas::Op(TDrawOp::Kind kind) const
{
    TDrawOp op;
    op.kind = kind;
    op.pen = Pen();
    op.brush = Brush();
    op.font = Font();
    op.background = BackgroundColor();
    op.transparent = TransparentBackground();
    return op;
}

void TPictureCanvas::AddRect(TDrawOp::Kind kind, int left, int top, int right, int bottom)
{
    TDrawOp op = Op(kind);
    op.left = left;
    op.top = top;
    op.right = right;
    op.bottom = bottom;
    ops.push_back(std::move(op));
}

void TPictureCanvas::Polyline(const std::vector<QPoint> &points)
{
    TDrawOp op = Op(TDrawOp::Kind::Polyline);
    op.points = points;
    ops.push_back(std::move(op));
}

void TPictureCanvas::Polygon(const std::vector<QPoint> &points)
{
    TDrawOp op = Op(TDrawOp::Kind::Polygon);
    op.points = points;
    ops.push_back(std::move(op));
}

void TPictureCanvas::Rectangle(int left, int top, int right, int bottom)
{
    AddRect(TDrawOp::Kind::Rectangle, left, top, right, bottom);
}

void TPictureCanvas::Ellipse(int left, int top, int right, int bottom)
{
    AddRect(TDrawOp::Kind::Ellipse, left, top, right, bottom);
}

void TPictureCanvas::FillRect(int left, int top, int right, int bottom)
{
    AddRect(TDrawOp::Kind::FillRect, left, top, right, bottom);
}

void TPictureCanvas::SetClipRect(int left, int top, int right, int bottom)
{
    AddRect(TDrawOp::Kind::Clip, left, top, right, bottom);
}

void TPictureCanvas::RemoveClip()
{
    ops.push_back(Op(TDrawOp::Kind::Unclip));
}

void TPictureCanvas::DoLine(int x1, int y1, int x2, int y2)
{
    TDrawOp op = Op(TDrawOp::Kind::Line);
    op.points = {{x1, y1}, {x2, y2}};
    ops.push_back(std::move(op));
}

void TPictureCanvas::DoTextOut(int x, int y, const QString &text, const QString &shown, int escapement)
{
    TDrawOp op = Op(TDrawOp::Kind::Text);
    op.points = {{x, y}};
    op.text = shown;
    op.given = text;
    op.escapement = escapement;
    ops.push_back(std::move(op));
}

int TPictureCanvas::DoTextWidth(const QString &shown)
{
    return ScreenTextWidth(QtFontFor(Font()), shown);
}

int TPictureCanvas::DoTextHeight(const QString &)
{
    return ScreenTextHeight(QtFontFor(Font()));
}

void TPictureCanvas::PlayOn(TGraphCanvas &target) const
{
    using Kind = TDrawOp::Kind;
    for (const TDrawOp &op : ops) {
        target.SetPen(op.pen);
        target.SetBrush(op.brush);
        target.SetFont(op.font);
        target.SetBackground(op.background, op.transparent);
        switch (op.kind) {
        case Kind::Line:
            target.MoveTo(op.points[0].x(), op.points[0].y());
            target.LineTo(op.points[1].x(), op.points[1].y());
            break;
        case Kind::Polyline:
            target.Polyline(op.points);
            break;
        case Kind::Polygon:
            target.Polygon(op.points);
            break;
        case Kind::Rectangle:
            target.Rectangle(op.left, op.top, op.right, op.bottom);
            break;
        case Kind::Ellipse:
            target.Ellipse(op.left, op.top, op.right, op.bottom);
            break;
        case Kind::FillRect:
            target.FillRect(op.left, op.top, op.right, op.bottom);
            break;
        case Kind::Text:
            target.TextOut(op.points[0].x(), op.points[0].y(), op.given, op.escapement);
            break;
        case Kind::Clip:
            target.SetClipRect(op.left, op.top, op.right, op.bottom);
            break;
        case Kind::Unclip:
            target.RemoveClip();
            break;
        }
    }
}
