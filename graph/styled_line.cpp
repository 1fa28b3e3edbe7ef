#include "graph/styled_line.h"

#include <algorithm>

TDashPattern MakeDashPattern(TPenStyle style, int diameter, int dashLen, int dashDotLen)
{
    TDashPattern p;
    auto on = [&](int from, int to) {
        for (int i = std::max(0, from); i <= to && i < TDashPattern::kPositions; ++i)
            p.On[i] = true;
    };
    const int b = vexplot::RoundToInt(1.5 * diameter);
    const int e = dashDotLen;
    switch (style) {
    case TPenStyle::psDash:
        on(0, dashLen);
        p.Period = b + dashLen + 1;
        break;
    case TPenStyle::psDot:
        on(0, 1);
        p.Period = b + 1;
        break;
    case TPenStyle::psDashDot:
        on(0, e);
        on(e + b + 1, e + b + 2);
        p.Period = e + 2 * b + 2;
        break;
    case TPenStyle::psDashDotDot:
        on(0, e);
        on(e + b + 1, e + b + 2);
        on(e + 2 * b + 2, e + 2 * b + 3);
        p.Period = e + 3 * b + 3;
        break;
    default:
        p.Period = 43;
        break;
    }
    p.Period = std::clamp(p.Period, 0, TDashPattern::kPositions - 1);
    return p;
}

int ThinLineWidth(const std::function<int(int)> &scale)
{
    return std::max(1, scale(1));
}

void StyledLineTo(TGraphCanvas &canvas, int x, int y, const std::function<int(int)> &scale, int &position)
{
    const TGraphPen pen = canvas.Pen();
    TGraphPen scaled = pen;
    scaled.Width = scale(pen.Width);
    canvas.SetPen(scaled);
    const bool solid = pen.Style == TPenStyle::psSolid || pen.Style == TPenStyle::psInsideFrame;
    const int thin = ThinLineWidth(scale);
    if (scaled.Width <= thin || solid) {
        // Where one pixel of the settings spans several device pixels (a
        // printed page), a thin line is that many pixels wide and its dots
        // and dashes grow with it, so it keeps the look of the screen.
        if (thin > 1)
            scaled.Width = std::max(scaled.Width, thin);
        canvas.SetPen(scaled);
        canvas.LineTo(x, y);
        canvas.SetPen(pen);
        return;
    }
    const int d = std::max(1, scaled.Width);
    const int half = d / 2;
    const TGraphBrush brush = canvas.Brush();
    canvas.SetBrush({pen.Color, TBrushStyle::bsSolid});
    canvas.SetPen({pen.Color, 0, TPenStyle::psSolid});
    const TDashPattern pattern = MakeDashPattern(pen.Style, d, scale(15), scale(9));
    const QPoint from = canvas.PenPos();
    WalkDigitalLine(from.x() - half, from.y() - half, x - half, y - half, [&](int px, int py) {
        if (position >= 0 && position < TDashPattern::kPositions && pattern.On[position])
            canvas.Ellipse(px, py, px + d, py + d);
        position = position >= pattern.Period ? 0 : position + 1;
    });
    canvas.MoveTo(x, y);
    canvas.SetBrush(brush);
    canvas.SetPen(pen);
}
