#include "graph/rich_text_draw.h"

#include "graph/scale_map.h"

#include <cmath>
#include <numbers>

namespace {

TGraphFont RunFont(const TGraphFont &base, const TTextElement &run)
{
    TGraphFont f = base;
    f.Name = run.FontName;
    f.Style = run.FontStyle;
    if (run.Script != scNormal)
        f.Height = vexplot::RoundToInt(base.Height * 0.7);
    return f;
}

bool HasScript(const TRunList &runs, std::uint8_t script)
{
    for (std::size_t i = 1; i < runs.size(); ++i)
        if (runs[i].Script == script)
            return true;
    return false;
}

// What every drawing of a run list needs, measured with the base font.
struct LineMetrics
{
    int width, height, halfW, halfH, h, supShift;
};

LineMetrics MeasureLine(TGraphCanvas &canvas, const TRunList &runs)
{
    LineMetrics m{};
    m.width = RichTextWidth(canvas, runs);
    m.height = RichTextHeight(canvas, runs);
    m.halfW = m.width / 2;
    m.halfH = m.height / 2;
    m.h = canvas.TextHeight(QStringLiteral("M"));
    const bool headerSuper = !runs.empty() && runs.front().Script == scSuperscript;
    m.supShift = headerSuper ? vexplot::RoundToInt(m.h * 0.15) : 0;
    return m;
}

// Vertical shift of a run below the line's top.
int RunShift(const TTextElement &run, const LineMetrics &m)
{
    switch (run.Script) {
    case scSuperscript:
        return 0;
    case scSubscript:
        return vexplot::RoundToInt(m.h * 0.45) + m.supShift;
    default:
        return m.supShift;
    }
}

// Draws every run; `place` turns (advance, shift) into the run's origin.
template<class Place>
void DrawRuns(TGraphCanvas &canvas, const TRunList &runs, const LineMetrics &m, int escapement, Place place)
{
    const TGraphFont base = canvas.Font();
    int r = 0;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        canvas.SetFont(RunFont(base, runs[i]));
        const QPoint at = place(r, RunShift(runs[i], m));
        canvas.TextOut(at.x(), at.y(), runs[i].Text, escapement);
        r += canvas.TextWidth(runs[i].Text);
    }
    canvas.SetFont(base);
}

} // namespace

int RichTextWidth(TGraphCanvas &canvas, const TRunList &runs)
{
    const TGraphFont base = canvas.Font();
    int width = 0;
    for (std::size_t i = 1; i < runs.size(); ++i) {
        canvas.SetFont(RunFont(base, runs[i]));
        width += canvas.TextWidth(runs[i].Text);
    }
    canvas.SetFont(base);
    return width;
}

int RichTextHeight(TGraphCanvas &canvas, const TRunList &runs)
{
    const int h = canvas.TextHeight(QStringLiteral("M"));
    int result = h;
    if (HasScript(runs, scSuperscript))
        result += vexplot::RoundToInt(h * 0.15);
    if (HasScript(runs, scSubscript))
        result += vexplot::RoundToInt(h * 0.25);
    return result;
}

void DrawRichText(TGraphCanvas &canvas, int x, int y, const TRunList &runs, TTextAngle angle, int h, int v)
{
    x = ClampCoord(x);
    y = ClampCoord(y);
    const LineMetrics m = MeasureLine(canvas, runs);
    switch (angle) {
    case lr0: {
        const int x0 = x - h * m.halfW, y0 = y - v * m.halfH;
        DrawRuns(canvas, runs, m, 0, [&](int r, int d) { return QPoint(x0 + r, y0 + d); });
        break;
    }
    case lr90: {
        const int x0 = x - v * m.halfH, y0 = y + h * m.halfW;
        DrawRuns(canvas, runs, m, 900, [&](int r, int d) { return QPoint(x0 + d, y0 - r); });
        break;
    }
    case lr270: {
        const int x0 = x + v * m.halfH, y0 = y - h * m.halfW;
        DrawRuns(canvas, runs, m, 2700, [&](int r, int d) { return QPoint(x0 - d, y0 + r); });
        break;
    }
    }
}

int MeasureRichText(TGraphCanvas &canvas, const QString &text)
{
    TRunList runs;
    ParseRichText(text, canvas.Font().Name, canvas.Font().Style, runs);
    return RichTextWidth(canvas, runs);
}

void DrawRotatedRichText(TGraphCanvas &canvas, int x, int y, const QString &text, int angleTenths, int h, int v)
{
    TRunList runs;
    ParseRichText(text, canvas.Font().Name, canvas.Font().Style, runs);
    const LineMetrics m = MeasureLine(canvas, runs);
    const double theta = angleTenths / 10.0 * std::numbers::pi / 180.0;
    const double s = std::sin(theta), c = std::cos(theta);
    using vexplot::RoundToInt;
    const int x0 = x - RoundToInt(h * m.halfW * c) - RoundToInt(v * m.halfH * s);
    const int y0 = y + RoundToInt(h * m.halfW * s) - RoundToInt(v * m.halfH * c);
    DrawRuns(canvas, runs, m, angleTenths, [&](int r, int d) {
        return QPoint(ClampCoord(x0 + RoundToInt(r * c) + RoundToInt(d * s)),
                      ClampCoord(y0 + RoundToInt(d * c) - RoundToInt(r * s)));
    });
}
