#include "graph/painter_canvas.h"

#include "graph/font_map.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace {

Qt::PenStyle QtPenStyle(TPenStyle s)
{
    switch (s) {
    case TPenStyle::psDash:
        return Qt::DashLine;
    case TPenStyle::psDot:
        return Qt::DotLine;
    case TPenStyle::psDashDot:
        return Qt::DashDotLine;
    case TPenStyle::psDashDotDot:
        return Qt::DashDotDotLine;
    case TPenStyle::psClear:
        return Qt::NoPen;
    case TPenStyle::psSolid:
    case TPenStyle::psInsideFrame:
        break;
    }
    return Qt::SolidLine;
}

Qt::BrushStyle QtBrushStyle(TBrushStyle s)
{
    switch (s) {
    case TBrushStyle::bsClear:
        return Qt::NoBrush;
    case TBrushStyle::bsHorizontal:
        return Qt::HorPattern;
    case TBrushStyle::bsVertical:
        return Qt::VerPattern;
    case TBrushStyle::bsFDiagonal:
        return Qt::FDiagPattern;
    case TBrushStyle::bsBDiagonal:
        return Qt::BDiagPattern;
    case TBrushStyle::bsCross:
        return Qt::CrossPattern;
    case TBrushStyle::bsDiagCross:
        return Qt::DiagCrossPattern;
    case TBrushStyle::bsSolid:
        break;
    }
    return Qt::SolidPattern;
}

QPolygon ToPolygon(const std::vector<QPoint> &points)
{
    return QPolygon(QList<QPoint>(points.begin(), points.end()));
}

} // namespace

TPainterCanvas::TPainterCanvas(QPainter &painter) : painter_(painter)
{
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
}

void TPainterCanvas::UsePen()
{
    const TGraphPen &p = Pen();
    if (appliedPen_ && *appliedPen_ == p && appliedBackground_ == BackgroundColor() &&
        appliedTransparent_ == TransparentBackground())
        return;
    appliedPen_ = p;
    appliedBackground_ = BackgroundColor();
    appliedTransparent_ = TransparentBackground();
    QPen pen(p.Color, std::max(0, p.Width), QtPenStyle(p.Style));
    // Wide solid pens end and join round, as the classic geometric pens did.
    // Dotted and dashed ones end flat: their dots and gaps are multiples of
    // the pen width, as a thin pen's are of one pixel.
    if (p.Width > 1 && (p.Style == TPenStyle::psSolid || p.Style == TPenStyle::psInsideFrame)) {
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
    } else {
        pen.setCapStyle(Qt::FlatCap);
    }
    painter_.setPen(pen);
    painter_.setBackground(BackgroundColor());
    painter_.setBackgroundMode(TransparentBackground() ? Qt::TransparentMode : Qt::OpaqueMode);
}

void TPainterCanvas::UseBrush()
{
    painter_.setBrush(QBrush(Brush().Color, QtBrushStyle(Brush().Style)));
}

const QFont &TPainterCanvas::CurrentQtFont()
{
    // The colour is the pen's business: a change of colour alone keeps the
    // font and its metrics.
    TGraphFont key = Font();
    key.Color = cachedFor_.Color;
    if (!cacheValid_ || !(cachedFor_ == key)) {
        cachedFor_ = Font();
        cachedFont_ = QtFontFor(cachedFor_);
        cachedMetrics_.emplace(cachedFont_);
        cacheValid_ = true;
    }
    return cachedFont_;
}

void TPainterCanvas::DoLine(int x1, int y1, int x2, int y2)
{
    UsePen();
    painter_.drawLine(QPoint(x1, y1), QPoint(x2, y2));
}

void TPainterCanvas::Polyline(const std::vector<QPoint> &points)
{
    UsePen();
    painter_.drawPolyline(ToPolygon(points));
}

void TPainterCanvas::Polygon(const std::vector<QPoint> &points)
{
    UsePen();
    UseBrush();
    painter_.drawPolygon(ToPolygon(points));
}

void TPainterCanvas::Rectangle(int left, int top, int right, int bottom)
{
    UsePen();
    UseBrush();
    // A one-pixel outline runs along the first and last pixel rows inside.
    painter_.drawRect(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TPainterCanvas::Ellipse(int left, int top, int right, int bottom)
{
    UsePen();
    UseBrush();
    painter_.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
}

void TPainterCanvas::FillRect(int left, int top, int right, int bottom)
{
    painter_.fillRect(QRect(left, top, right - left, bottom - top), QBrush(Brush().Color, QtBrushStyle(Brush().Style)));
}

void TPainterCanvas::SetClipRect(int left, int top, int right, int bottom)
{
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
}

void TPainterCanvas::RemoveClip()
{
    painter_.setClipping(false);
}

void TPainterCanvas::DoTextOut(int x, int y, const QString &, const QString &shown, int escapement)
{
    const QFont &font = CurrentQtFont();
    painter_.setFont(font);
    painter_.setPen(QPen(Font().Color));
    painter_.setBackgroundMode(Qt::TransparentMode);
    appliedPen_.reset();
    const int ascent = cachedMetrics_->ascent();
    if (escapement == 0) {
        painter_.drawText(QPoint(x, y + ascent), shown);
        return;
    }
    painter_.save();
    painter_.translate(x, y);
    painter_.rotate(-escapement / 10.0);
    painter_.drawText(QPoint(0, ascent), shown);
    painter_.restore();
}

int TPainterCanvas::DoTextWidth(const QString &shown)
{
    CurrentQtFont();
    return cachedMetrics_->horizontalAdvance(shown);
}

int TPainterCanvas::DoTextHeight(const QString &)
{
    CurrentQtFont();
    return cachedMetrics_->height();
}
