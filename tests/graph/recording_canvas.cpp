#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

TDrawOp TRecordingCanvas::Op(TDrawOp::Kind kind) const
{
    TDrawOp op{kind, {}, 0, 0, 0, 0, Pen(), Brush(), Font(), QString(), 0};
    return op;
}

TDrawOp TRecordingCanvas::RectOp(TDrawOp::Kind kind, int left, int top, int right, int bottom) const
{
    TDrawOp op = Op(kind);
    op.left = left;
    op.top = top;
    op.right = right;
    op.bottom = bottom;
    return op;
}

std::vector<TDrawOp> TRecordingCanvas::OfKind(TDrawOp::Kind kind) const
{
    std::vector<TDrawOp> out;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(out),
                 [&](const TDrawOp &op) { return op.kind == kind; });
    return out;
}

bool TRecordingCanvas::HasText(const QString &text) const
{
    return std::any_of(ops.begin(), ops.end(), [&](const TDrawOp &op) {
        return op.kind == TDrawOp::Kind::Text && op.text == text;
    });
}

const TDrawOp &TRecordingCanvas::TextOp(const QString &text) const
{
    for (const TDrawOp &op : ops)
        if (op.kind == TDrawOp::Kind::Text && op.text == text)
            return op;
    ADD_FAILURE() << "no text drawn: " << text.toStdString();
    static const TDrawOp none{TDrawOp::Kind::Text, {{0, 0}}, 0, 0, 0, 0, {}, {}, {}, {}, 0};
    return none;
}

void TRecordingCanvas::Polyline(const std::vector<QPoint> &points)
{
    TDrawOp op = Op(TDrawOp::Kind::Polyline);
    op.points = points;
    ops.push_back(op);
}

void TRecordingCanvas::Polygon(const std::vector<QPoint> &points)
{
    TDrawOp op = Op(TDrawOp::Kind::Polygon);
    op.points = points;
    ops.push_back(op);
}

void TRecordingCanvas::Rectangle(int left, int top, int right, int bottom)
{
    ops.push_back(RectOp(TDrawOp::Kind::Rectangle, left, top, right, bottom));
}

void TRecordingCanvas::Ellipse(int left, int top, int right, int bottom)
{
    ops.push_back(RectOp(TDrawOp::Kind::Ellipse, left, top, right, bottom));
}

void TRecordingCanvas::FillRect(int left, int top, int right, int bottom)
{
    ops.push_back(RectOp(TDrawOp::Kind::FillRect, left, top, right, bottom));
}

void TRecordingCanvas::SetClipRect(int left, int top, int right, int bottom)
{
    ops.push_back(RectOp(TDrawOp::Kind::Clip, left, top, right, bottom));
}

void TRecordingCanvas::RemoveClip() { ops.push_back(Op(TDrawOp::Kind::Unclip)); }

void TRecordingCanvas::DoLine(int x1, int y1, int x2, int y2)
{
    TDrawOp op = Op(TDrawOp::Kind::Line);
    op.points = {{x1, y1}, {x2, y2}};
    ops.push_back(op);
}

void TRecordingCanvas::DoTextOut(int x, int y, const QString &shown, int escapement)
{
    TDrawOp op = Op(TDrawOp::Kind::Text);
    op.points = {{x, y}};
    op.text = shown;
    op.escapement = escapement;
    ops.push_back(op);
}

int TRecordingCanvas::DoTextWidth(const QString &shown) { return CharsWidth(int(shown.size()), Font().Height); }

int TRecordingCanvas::DoTextHeight(const QString &) { return CellHeight(Font().Height); }
