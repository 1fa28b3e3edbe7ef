#include "graph/plot_engine.h"

#include "graph/graph_errors.h"
#include "graph/label_format.h"
#include "graph/rich_text_draw.h"
#include "graph/scale_algorithms.h"
#include "graph/styled_line.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Restores a flag when the drawing ends, also through an exception.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag) : flag_(flag) { flag_ = true; }
    ~FlagGuard() { flag_ = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &flag_;
};

// Least room between two tick labels along their axis, pixels (scaled).
constexpr int kLabelGap = 3;

bool Within(double v, const TScale &s)
{
    return s.Min() <= v && v <= s.Max();
}

} // namespace

TPlotEngine::TPlotEngine()
{
    axisTitleFont_.SetSize(10);
    tickLabelFont_.SetSize(10);
    graphTitleFont_.SetSize(12);
    legendFont_.SetSize(10);
    for (TSeries &series : series_) {
        series.XMaxExt = xScale_.MinRange();
        series.YMaxExt = yScale_.MinRange();
    }
    BindChangeLinks();
}

void TPlotEngine::BindChangeLinks()
{
    auto changed = [this] { StyleChanged(); };
    plotBox_.OnChange.Bind(changed);
    graphTitle_.OnChange.Bind(changed);
    gridVertical_.OnChange.Bind(changed);
    gridHorizontal_.OnChange.Bind(changed);
    legendBox_.OnChange.Bind(changed);
    xAxis_.OnChange.Bind(changed);
    yAxis_.OnChange.Bind(changed);
    xScale_.OnChange.Bind(changed);
    yScale_.OnChange.Bind(changed);
}

void TPlotEngine::StyleChanged()
{
    // Rescaling during a drawing writes the scales; that is not a change the
    // designer needs to see again.
    if (designing_ && !drawing_)
        Invalidate();
}

// Plain property setters: store, then repaint at design time.
#define PLOT_SETTER(Name, Type, member) \
    void TPlotEngine::Set##Name(Type v) \
    { \
        member = v; \
        StyleChanged(); \
    }
PLOT_SETTER(AutoMetrics, bool, autoMetrics_)
PLOT_SETTER(PlotColor, const QColor &, plotColor_)
PLOT_SETTER(MarginLeft, std::uint16_t, marginLeft_)
PLOT_SETTER(MarginRight, std::uint16_t, marginRight_)
PLOT_SETTER(MarginTop, std::uint16_t, marginTop_)
PLOT_SETTER(MarginBottom, std::uint16_t, marginBottom_)
PLOT_SETTER(Frame, bool, frame_)
PLOT_SETTER(FramePen, const TGraphPen &, framePen_)
PLOT_SETTER(AxisPen, const TGraphPen &, axisPen_)
PLOT_SETTER(AxisTitleFont, const TGraphFont &, axisTitleFont_)
PLOT_SETTER(TickLabelFont, const TGraphFont &, tickLabelFont_)
PLOT_SETTER(GraphTitleFont, const TGraphFont &, graphTitleFont_)
PLOT_SETTER(LegendFont, const TGraphFont &, legendFont_)
PLOT_SETTER(Color, const QColor &, color_)
#undef PLOT_SETTER

// Object property setters: assign the values into the owned object.
#define PLOT_ASSIGN(Name, Type, member) \
    void TPlotEngine::Set##Name(const Type &v) \
    { \
        member.Assign(v); \
        StyleChanged(); \
    }
PLOT_ASSIGN(PlotBox, TPBox, plotBox_)
PLOT_ASSIGN(GraphTitle, TGTitle, graphTitle_)
PLOT_ASSIGN(GridVertical, TGrid, gridVertical_)
PLOT_ASSIGN(GridHorizontal, TGrid, gridHorizontal_)
PLOT_ASSIGN(LegendBox, TLegendBox, legendBox_)
PLOT_ASSIGN(XAxis, TAxis, xAxis_)
PLOT_ASSIGN(YAxis, TAxis, yAxis_)
PLOT_ASSIGN(XScale, TScale, xScale_)
PLOT_ASSIGN(YScale, TScale, yScale_)
#undef PLOT_ASSIGN

int TPlotEngine::ScaleMetric(int v) const
{
    if (!autoMetrics_)
        return v;
    return vexplot::RoundToInt(double(v) * double(metricFactor_));
}

bool TPlotEngine::ShowsSeriesData() const
{
    return HasData() && !designing_;
}

bool TPlotEngine::AdjustScales()
{
    const bool dataPresent = ShowsSeriesData();
    std::vector<TDataExtents> extents;
    if (dataPresent) {
        if (xScale_.AutoSizing() || yScale_.AutoSizing())
            for (TSeries &s : series_)
                if (s.ExtentsStale)
                    s.RecalcExtents();
        // Only series that are drawn decide the range: the extents of an
        // emptied series are those of its former points.
        for (const TSeries &s : series_)
            if (s.Shown())
                extents.push_back({s.XMinExt, s.XMaxExt, s.YMinExt, s.YMaxExt});
    }
    const bool changed = ::AdjustScales(xScale_, yScale_, extents, dataPresent);
    if (changed && OnRescale)
        OnRescale();
    return changed;
}

int TPlotEngine::XToPixel(double x)
{
    if (auto p = XAxisMapping(xScale_, xFactor_, plotLeft_).Map(x))
        return *p;
    if (!OnNegativeValues)
        throw ENegValError("Negative number on a log X-axis!");
    OnNegativeValues();
    // Minus infinity on a log axis: far off to the left.
    return -32768;
}

int TPlotEngine::YToPixel(double y)
{
    if (auto p = YAxisMapping(yScale_, yFactor_, plotTop_).Map(y))
        return *p;
    if (!OnNegativeValues)
        throw ENegValError("Negative number on a log Y-axis!");
    OnNegativeValues();
    return 32767;
}

void TPlotEngine::UseFont(const TGraphFont &font)
{
    TGraphFont scaled = font;
    scaled.Height = ScaleMetric(font.Height);
    canvas_->SetFont(scaled);
}

void TPlotEngine::StyledLineTo(int x, int y)
{
    ::StyledLineTo(
        *canvas_, x, y, [this](int v) { return ScaleMetric(v); }, dashPosition_);
}

void TPlotEngine::RenderGraph(TGraphCanvas &canvas, const TDrawArea &area, float metricFactor)
{
    drawArea_ = area;
    metricFactor_ = metricFactor;
    canvas.SetBrush({color_, TBrushStyle::bsSolid});
    canvas.FillRect(area.Left, area.Top, area.Left + area.Width, area.Top + area.Height);
    DrawGraph(canvas);
}

void TPlotEngine::DrawGraph(TGraphCanvas &canvas)
{
    FlagGuard drawing(drawing_);
    canvas_ = &canvas;
    try {
        DrawSequence();
    } catch (const ELogScaleError &) {
        canvas.RemoveClip();
        canvas_ = nullptr;
        if (!OnLogScaleError)
            throw;
        OnLogScaleError();
        return;
    } catch (...) {
        canvas.RemoveClip();
        canvas_ = nullptr;
        throw;
    }
    canvas_ = nullptr;
}

void TPlotEngine::DrawSequence()
{
    canvas_->SetBrush({color_, TBrushStyle::bsSolid});
    AdjustScales();
    xTicks_ = ReadableTicks(xScale_, GenerateTicks(xScale_));
    yTicks_ = ReadableTicks(yScale_, GenerateTicks(yScale_));
    CalcLayout();
    xLabelTicks_ = LabelledTicks(xTicks_, xScale_, xAxis_, true);
    yLabelTicks_ = LabelledTicks(yTicks_, yScale_, yAxis_, false);

    const int left = XToPixel(xScale_.Min());
    const int bottom = YToPixel(yScale_.Min());
    const TGraphBrush brush = canvas_->Brush();
    canvas_->SetBrush({plotColor_, TBrushStyle::bsSolid});
    canvas_->FillRect(left, plotTop_, plotRight_, bottom);
    canvas_->SetBrush(brush);
    canvas_->SetClipRect(left, plotTop_, plotRight_, bottom);

    DrawOverlays();
    if (gridVertical_.MinGridEnabled() || gridHorizontal_.MinGridEnabled())
        DrawGridLines(true);
    if (gridVertical_.MajGridEnabled() || gridHorizontal_.MajGridEnabled())
        DrawGridLines(false);
    if (ShowsSeriesData())
        for (const TSeries &s : series_)
            if (s.Shown())
                DrawSeries(s);

    canvas_->RemoveClip();
    if (xAxis_.MinTicksEnabled() || yAxis_.MinTicksEnabled())
        DrawTickMarks(true);
    if (xAxis_.MajTicksEnabled() || yAxis_.MajTicksEnabled())
        DrawTickMarks(false);
    DrawFrameAndAxes();
    if (xAxis_.TickLabelEnabled() || yAxis_.TickLabelEnabled())
        DrawTickLabels();
    if (xAxis_.TitleEnabled() || yAxis_.TitleEnabled() || graphTitle_.Enabled())
        DrawTitles();
    if (legendBox_.Enabled())
        DrawLegend();
}

// --- Layout ---------------------------------------------------------------

QString TPlotEngine::TickLabel(const TScale &scale, const TAxis &axis, double value, bool full) const
{
    if (scale.ScaleType() == stLin && value == 0)
        return QStringLiteral("0");
    const QString number = FormatLabelNumber(value, axis.LabelFormat());
    if (scale.ScaleType() == stLin)
        return FormatTickLabel(number, false);
    return FormatTickLabel(TrimMantissaZeros(number), !full && WholeMantissa(value));
}

std::vector<double> TPlotEngine::LabelledTicks(const TTickLists &ticks, const TScale &scale, const TAxis &axis,
                                               bool isX)
{
    // Linear labels are drawn as the format makes them, every one.
    if (scale.ScaleType() != stLog || !axis.TickLabelEnabled())
        return ticks.Major;
    UseFont(tickLabelFont_);
    const bool full = FullLogLabels(scale, ticks.Major);
    const bool alongIsWidth = isX == (axis.LabelAngle() == lr0);
    std::vector<TLabelSpan> spans;
    TRunList runs;
    for (double t : ticks.Major) {
        ParseRichText(TickLabel(scale, axis, t, full), canvas_->Font().Name, canvas_->Font().Style, runs);
        const int extent = alongIsWidth ? RichTextWidth(*canvas_, runs) : RichTextHeight(*canvas_, runs);
        spans.push_back({isX ? XToPixel(t) : YToPixel(t), extent});
    }
    const std::vector<bool> shown = FitLabels(ticks.Major, spans, ScaleMetric(kLabelGap));
    std::vector<double> out;
    for (std::size_t i = 0; i < ticks.Major.size(); ++i)
        if (shown[i])
            out.push_back(ticks.Major[i]);
    return out;
}

int TPlotEngine::LargestLabelExtent(const TTickLists &ticks, const TScale &scale, const TAxis &axis,
                                    bool widthWhenTurned)
{
    UseFont(tickLabelFont_);
    const bool turned = axis.LabelAngle() != lr0;
    const bool width = turned == widthWhenTurned;
    int m = 0;
    TRunList runs;
    const bool full = FullLogLabels(scale, ticks.Major);
    for (double t : ticks.Major) {
        ParseRichText(TickLabel(scale, axis, t, full), canvas_->Font().Name, canvas_->Font().Style, runs);
        m = std::max(m, width ? RichTextWidth(*canvas_, runs) : RichTextHeight(*canvas_, runs));
    }
    return m;
}

int TPlotEngine::CaptionExtent(const QString &caption, const TGraphFont &font, bool width)
{
    UseFont(font);
    TRunList runs;
    ParseRichText(caption, canvas_->Font().Name, canvas_->Font().Style, runs);
    return width ? RichTextWidth(*canvas_, runs) : RichTextHeight(*canvas_, runs);
}

void TPlotEngine::CalcLayout()
{
    if (xScale_.ScaleType() == stLog && xScale_.Min() <= 0)
        throw ELogScaleError("Non-positive scaling on X-axis");
    if (yScale_.ScaleType() == stLog && yScale_.Min() <= 0)
        throw ELogScaleError("Non-positive scaling on Y-axis");
    // The legend's size depends on the plot width above or below the plot,
    // and the plot's size on the legend beside, above or below it.
    switch (legendBox_.Placement()) {
    case lbxTop:
    case lbxBottom:
        RunLayoutHorizontal();
        CalcLegendMetrics();
        RunLayoutVertical();
        break;
    case lbxRight:
        RunLayoutVertical();
        CalcLegendMetrics();
        RunLayoutHorizontal();
        break;
    default:
        CalcLegendMetrics();
        RunLayoutVertical();
        RunLayoutHorizontal();
        break;
    }
    legendTopLeft_ = LegendPosition(legendBox_.Placement(), legend_, XToPixel(xScale_.Min()), plotTop_, plotRight_,
                                    plotBottom_, ScaleMetric(legendBox_.Distance()), bottomLegendOffset_);
}

void TPlotEngine::RunLayoutHorizontal()
{
    THorizontalLayoutInput in;
    in.Area = drawArea_;
    in.MarginLeft = ScaleMetric(marginLeft_);
    in.MarginRight = ScaleMetric(marginRight_);
    in.YTicksOutside = yAxis_.MajTicksEnabled() && xScale_.Intersection() == xScale_.Min();
    in.YTickPosition = yAxis_.TickPosition();
    in.YMajorTickLen = ScaleMetric(yAxis_.MajorTickLen());
    in.YLabels = yAxis_.TickLabelEnabled();
    if (in.YLabels) {
        in.YLabelExtent = LargestLabelExtent(yTicks_, yScale_, yAxis_, false);
        in.YLabelDistance = ScaleMetric(yAxis_.LabelDistance());
    }
    in.YTitle = yAxis_.TitleEnabled();
    if (in.YTitle) {
        in.YTitleExtent = CaptionExtent(yAxis_.Caption(), axisTitleFont_, yAxis_.TitleAngle() == lr0);
        in.YTitleDist = ScaleMetric(yAxis_.TitleDist());
    }
    in.LegendRight = legendBox_.Enabled() && legendBox_.Placement() == lbxRight;
    in.LegendDistance = ScaleMetric(legendBox_.Distance());
    in.LegendWidth = legend_.Width;
    in.FixedHorPos = plotBox_.FixedHorPos();
    in.BoxLeft = plotBox_.Left();
    in.BoxRight = plotBox_.Right();

    const THorizontalLayout out = LayoutHorizontal(in);
    plotLeft_ = ClampCoord(out.PlotLeft);
    plotRight_ = ClampCoord(out.PlotRight);
    yTitleOffset_ = out.YTitleOffset;
    yLabelOffset_ = out.YLabelOffset;
    plotBox_.SetLeft(out.BoxLeft);
    plotBox_.SetRight(out.BoxRight);
    xFactor_ = AxisFactor(xScale_.ScaleType(), xScale_.Min(), xScale_.Max(), plotRight_ - plotLeft_);
}

void TPlotEngine::RunLayoutVertical()
{
    TVerticalLayoutInput in;
    in.Area = drawArea_;
    in.MarginTop = ScaleMetric(marginTop_);
    in.MarginBottom = ScaleMetric(marginBottom_);
    in.GraphTitle = graphTitle_.Enabled();
    if (in.GraphTitle) {
        in.GraphTitleHeight = CaptionExtent(graphTitle_.Caption(), graphTitleFont_, false);
        in.GraphTitleDistance = ScaleMetric(graphTitle_.Distance());
    }
    in.LegendTop = legendBox_.Enabled() && legendBox_.Placement() == lbxTop;
    in.LegendBottom = legendBox_.Enabled() && legendBox_.Placement() == lbxBottom;
    in.LegendDistance = ScaleMetric(legendBox_.Distance());
    in.LegendHeight = legend_.Height;
    in.XTitle = xAxis_.TitleEnabled();
    if (in.XTitle) {
        in.XTitleExtent = CaptionExtent(xAxis_.Caption(), axisTitleFont_, xAxis_.TitleAngle() != lr0);
        in.XTitleDist = ScaleMetric(xAxis_.TitleDist());
    }
    in.XLabels = xAxis_.TickLabelEnabled();
    if (in.XLabels) {
        in.XLabelExtent = LargestLabelExtent(xTicks_, xScale_, xAxis_, true);
        in.XLabelDistance = ScaleMetric(xAxis_.LabelDistance());
    }
    in.XTicksOutside = xAxis_.MajTicksEnabled() && yScale_.Intersection() == yScale_.Min();
    in.XTickPosition = xAxis_.TickPosition();
    in.XMajorTickLen = ScaleMetric(xAxis_.MajorTickLen());
    in.FixedVerPos = plotBox_.FixedVerPos();
    in.BoxTop = plotBox_.Top();
    in.BoxBottom = plotBox_.Bottom();

    const TVerticalLayout out = LayoutVertical(in);
    plotTop_ = ClampCoord(out.PlotTop);
    plotBottom_ = ClampCoord(out.PlotBottom);
    titleOffset_ = out.TitleOffset;
    xLabelOffset_ = out.XLabelOffset;
    xTitleOffset_ = out.XTitleOffset;
    bottomLegendOffset_ = out.BottomLegendOffset;
    plotBox_.SetTop(out.BoxTop);
    plotBox_.SetBottom(out.BoxBottom);
    yFactor_ = AxisFactor(yScale_.ScaleType(), yScale_.Min(), yScale_.Max(), plotBottom_ - plotTop_);
}

// --- Grids, ticks, frame --------------------------------------------------

void TPlotEngine::DrawGridLines(bool minor)
{
    const int bottom = YToPixel(yScale_.Min());
    const int left = XToPixel(xScale_.Min());
    auto usePen = [&](const TGrid &g) {
        canvas_->SetPen(minor ? TGraphPen{g.MinorGridColor(), g.MinorGridWidth(), g.MinorGridStyle()}
                              : TGraphPen{g.MajorGridColor(), g.MajorGridWidth(), g.MajorGridStyle()});
        if (minor)
            canvas_->SetBackground(plotColor_, true);
    };
    const TGrid &v = gridVertical_;
    if (minor ? v.MinGridEnabled() : v.MajGridEnabled()) {
        usePen(v);
        for (double x : minor ? xTicks_.Minor : xTicks_.Major) {
            const int px = XToPixel(x);
            canvas_->MoveTo(px, bottom);
            StyledLineTo(px, plotTop_);
        }
    }
    const TGrid &h = gridHorizontal_;
    if (minor ? h.MinGridEnabled() : h.MajGridEnabled()) {
        usePen(h);
        for (double y : minor ? yTicks_.Minor : yTicks_.Major) {
            const int py = YToPixel(y);
            canvas_->MoveTo(left, py);
            StyledLineTo(plotRight_, py);
        }
    }
}

bool TPlotEngine::XInterceptShown() const
{
    return Within(yScale_.Intersection(), yScale_);
}
bool TPlotEngine::YInterceptShown() const
{
    return Within(xScale_.Intersection(), xScale_);
}

void TPlotEngine::DrawTickMarks(bool minor)
{
    canvas_->SetBackground(plotColor_, true);
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas_->MoveTo(ClampCoord(x1), ClampCoord(y1));
        canvas_->LineTo(ClampCoord(x2), ClampCoord(y2));
    };
    auto pen = [&](const TAxis &a) {
        TGraphPen p = axisPen_;
        p.Width = ScaleMetric(minor ? a.MinorTickWid() : a.MajorTickWid());
        canvas_->SetPen(p);
        return ScaleMetric(minor ? a.MinorTickLen() : a.MajorTickLen());
    };
    const TAxis &xa = xAxis_;
    if ((minor ? xa.MinTicksEnabled() : xa.MajTicksEnabled()) && XInterceptShown()) {
        const int len = pen(xa);
        const int y0 = YToPixel(yScale_.Intersection());
        for (double x : minor ? xTicks_.Minor : xTicks_.Major) {
            const int px = XToPixel(x);
            switch (xa.TickPosition()) {
            case tpOut:
                line(px, y0, px, y0 + len);
                break;
            case tpCenter:
                line(px, y0 - len / 2, px, y0 + len / 2);
                break;
            case tpIn:
                line(px, y0 - len, px, y0);
                break;
            }
        }
    }
    const TAxis &ya = yAxis_;
    if ((minor ? ya.MinTicksEnabled() : ya.MajTicksEnabled()) && YInterceptShown()) {
        const int len = pen(ya);
        const int x0 = XToPixel(xScale_.Intersection());
        for (double y : minor ? yTicks_.Minor : yTicks_.Major) {
            const int py = YToPixel(y);
            switch (ya.TickPosition()) {
            case tpOut:
                line(x0, py, x0 - len, py);
                break;
            case tpCenter:
                line(x0 + len / 2, py, x0 - len / 2, py);
                break;
            case tpIn:
                line(x0 + len, py, x0, py);
                break;
            }
        }
    }
}

void TPlotEngine::DrawFrameAndAxes()
{
    const int l = XToPixel(xScale_.Min()), t = plotTop_, r = plotRight_, b = YToPixel(yScale_.Min());
    if (frame_) {
        TGraphPen p = framePen_;
        p.Width = ScaleMetric(p.Width);
        canvas_->SetPen(p);
        canvas_->Polyline({{l, t}, {r, t}, {r, b}, {l, b}, {l, t}});
    }
    canvas_->SetPen(axisPen_);
    if (XInterceptShown()) {
        const int y = YToPixel(yScale_.Intersection());
        canvas_->MoveTo(l, y);
        StyledLineTo(r, y);
    }
    if (YInterceptShown()) {
        const int x = XToPixel(xScale_.Intersection());
        canvas_->MoveTo(x, b);
        StyledLineTo(x, t);
    }
}

// --- Texts ----------------------------------------------------------------

void TPlotEngine::DrawTickLabels()
{
    UseFont(tickLabelFont_);
    TRunList runs;
    const bool xFull = FullLogLabels(xScale_, xTicks_.Major), yFull = FullLogLabels(yScale_, yTicks_.Major);
    auto parse = [&](const TScale &s, const TAxis &a, double t) {
        ParseRichText(TickLabel(s, a, t, &s == &xScale_ ? xFull : yFull), canvas_->Font().Name, canvas_->Font().Style,
                      runs);
    };
    if (xAxis_.TickLabelEnabled()) {
        static constexpr int kAlign[3][2] = {{1, 2}, {0, 1}, {2, 1}};
        const auto &al = kAlign[xAxis_.LabelAngle()];
        const int y = YToPixel(yScale_.Min()) + xLabelOffset_;
        for (double t : xLabelTicks_) {
            parse(xScale_, xAxis_, t);
            DrawRichText(*canvas_, XToPixel(t), y, runs, xAxis_.LabelAngle(), al[0], al[1]);
        }
    }
    if (yAxis_.TickLabelEnabled()) {
        static constexpr int kAlign[3][2] = {{2, 1}, {1, 2}, {1, 0}};
        const auto &al = kAlign[yAxis_.LabelAngle()];
        const int x = plotLeft_ - yLabelOffset_;
        for (double t : yLabelTicks_) {
            parse(yScale_, yAxis_, t);
            DrawRichText(*canvas_, x, YToPixel(t), runs, yAxis_.LabelAngle(), al[0], al[1]);
        }
    }
}

void TPlotEngine::DrawTitles()
{
    static constexpr int kAlign[3][2] = {{0, 0}, {2, 0}, {0, 2}};
    canvas_->SetBackground(canvas_->BackgroundColor(), true);
    const int left = XToPixel(xScale_.Min());
    const int bottom = YToPixel(yScale_.Min());
    TRunList runs;
    auto prepare = [&](const QString &caption, const TGraphFont &font) {
        UseFont(font);
        ParseRichText(caption, canvas_->Font().Name, canvas_->Font().Style, runs);
    };
    if (xAxis_.TitleEnabled()) {
        prepare(xAxis_.Caption(), axisTitleFont_);
        const TTextAngle angle = xAxis_.TitleAngle();
        const int e = angle == lr0 ? RichTextWidth(*canvas_, runs) : RichTextHeight(*canvas_, runs);
        const int x = left + xAxis_.TitlePos() * (plotRight_ - left - e) / 1000;
        DrawRichText(*canvas_, x, bottom + xTitleOffset_, runs, angle, kAlign[angle][0], kAlign[angle][1]);
    }
    if (yAxis_.TitleEnabled()) {
        prepare(yAxis_.Caption(), axisTitleFont_);
        const TTextAngle angle = yAxis_.TitleAngle();
        const int e = angle == lr0 ? RichTextHeight(*canvas_, runs) : RichTextWidth(*canvas_, runs);
        const int y = plotTop_ + (1000 - yAxis_.TitlePos()) * (bottom - plotTop_ - e) / 1000;
        DrawRichText(*canvas_, plotLeft_ - yTitleOffset_, y, runs, angle, kAlign[angle][0], kAlign[angle][1]);
    }
    if (graphTitle_.Enabled()) {
        prepare(graphTitle_.Caption(), graphTitleFont_);
        const int w = RichTextWidth(*canvas_, runs);
        const int x = left + graphTitle_.Position() * (plotRight_ - left - w) / 1000;
        DrawRichText(*canvas_, x, plotTop_ - titleOffset_, runs, lr0, 0, 0);
    }
}
