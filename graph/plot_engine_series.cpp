// The series, overlays and legend box of the graph.
#include "graph/plot_engine.h"

#include "graph/rich_text_draw.h"

#include <algorithm>

namespace {

bool ValidSlot(int index)
{
    return index >= 1 && index <= kSeriesCount;
}

bool Within(double v, double lo, double hi)
{
    return lo <= v && v <= hi;
}

const QString kLegendPlaceholder = QStringLiteral("Legend Box");

// The length of a legend's line sample before scaling.
constexpr int kSampleLength = 43;

} // namespace

// --- Series store ---------------------------------------------------------

TSeries *TPlotEngine::Series(int index)
{
    return ValidSlot(index) ? &series_[std::size_t(index - 1)] : nullptr;
}

const TSeries *TPlotEngine::Series(int index) const
{
    return ValidSlot(index) ? &series_[std::size_t(index - 1)] : nullptr;
}

TOverlay *TPlotEngine::OverlayPolyline(int index)
{
    return ValidSlot(index) ? &polylines_[std::size_t(index - 1)] : nullptr;
}

TOverlay *TPlotEngine::OverlayPolygon(int index)
{
    return ValidSlot(index) ? &polygons_[std::size_t(index - 1)] : nullptr;
}

bool TPlotEngine::SetSeries(int index, bool enabled, bool clearPoints, const QColor &colour, const QString &legend)
{
    TSeries *s = Series(index);
    if (!s)
        return false;
    s->Enabled = enabled;
    s->Colour = colour;
    s->Legend = CutText(legend);
    if (clearPoints) {
        s->Points.clear();
        s->ExtentsStale = true;
    }
    return true;
}

bool TPlotEngine::SetSeriesLine(int index, bool lineOn, std::uint8_t lineType, int lineWidth, TPenStyle penStyle)
{
    TSeries *s = Series(index);
    if (!s)
        return false;
    s->LineOn = lineOn;
    s->LineType = lineType;
    s->LineWidth = lineWidth;
    s->PenStyle = penStyle;
    return true;
}

bool TPlotEngine::ClearSeries(int index)
{
    if (index != 0 && !ValidSlot(index))
        return false;
    for (int i = 1; i <= kSeriesCount; ++i) {
        if (index != 0 && i != index)
            continue;
        TSeries &s = series_[std::size_t(i - 1)];
        s.Enabled = false;
        s.Points.clear();
        s.ExtentsStale = true;
    }
    return true;
}

bool TPlotEngine::AddPoint(int index, double x, double y, double xErr, double yErr)
{
    TSeries *s = Series(index);
    return s && s->AddPoint(x, y, xErr, yErr);
}

bool TPlotEngine::FindPoint(int index, double x, int &position) const
{
    position = 0;
    const TSeries *s = Series(index);
    return s && s->FindPoint(x, position);
}

bool TPlotEngine::HasData() const
{
    return std::any_of(series_.begin(), series_.end(), [](const TSeries &s) { return s.Count() > 0; });
}

bool TPlotEngine::RecalcExtents(int index)
{
    TSeries *s = Series(index);
    if (!s)
        return false;
    s->RecalcExtents();
    return true;
}

// --- Drawing --------------------------------------------------------------

TDataRange TPlotEngine::ScaleRange() const
{
    return {xScale_.Min(), xScale_.Max(), yScale_.Min(), yScale_.Max()};
}

void TPlotEngine::DrawOverlays()
{
    auto vertices = [&](const TOverlay &o) {
        std::vector<QPoint> v;
        const std::size_t n = std::min<std::size_t>(o.Vertices.size(), kMaxOverlayVertices);
        for (std::size_t i = 0; i < n; ++i)
            v.emplace_back(XToPixel(o.Vertices[i].x()), YToPixel(o.Vertices[i].y()));
        return v;
    };
    auto outline = [&](const std::vector<QPoint> &v, bool closed) {
        canvas_->MoveTo(v[0].x(), v[0].y());
        for (std::size_t i = 1; i < v.size(); ++i)
            StyledLineTo(v[i].x(), v[i].y());
        if (closed)
            StyledLineTo(v[0].x(), v[0].y());
    };
    for (const TOverlay &o : polygons_) {
        if (!o.Enabled || o.Vertices.empty())
            continue;
        const std::vector<QPoint> v = vertices(o);
        canvas_->SetBrush(o.Brush);
        canvas_->SetPen({o.Pen.Color, 0, TPenStyle::psClear});
        canvas_->Polygon(v);
        canvas_->SetPen(o.Pen);
        outline(v, true);
    }
    for (const TOverlay &o : polylines_) {
        if (!o.Enabled || o.Vertices.empty())
            continue;
        canvas_->SetPen(o.Pen);
        outline(vertices(o), false);
    }
}

void TPlotEngine::DrawSeries(const TSeries &series)
{
    if (series.LineOn)
        DrawSeriesLine(series);
    if (series.XErrorsOn)
        DrawErrorBars(series, true);
    if (series.YErrorsOn)
        DrawErrorBars(series, false);
    if (series.SymbolsOn)
        DrawSymbols(series);
}

void TPlotEngine::DrawSeriesLine(const TSeries &series)
{
    if (series.LineType == ltThinLine)
        canvas_->SetPen({series.Colour, 0, TPenStyle::psSolid});
    else
        canvas_->SetPen({series.Colour, series.LineWidth, series.PenStyle});
    canvas_->SetBackground(plotColor_, true);
    dashPosition_ = 0;
    for (const TDataSegment &segment : SeriesSegments(series, yScale_.Intersection())) {
        if (segment.RestartPattern)
            dashPosition_ = 0;
        DrawClippedSegment(segment);
    }
}

void TPlotEngine::DrawClippedSegment(const TDataSegment &segment)
{
    const std::optional<TDataSegment> s = ClipSegment(segment, ScaleRange());
    if (!s)
        return;
    canvas_->MoveTo(XToPixel(s->X1), YToPixel(s->Y1));
    StyledLineTo(XToPixel(s->X2), YToPixel(s->Y2));
}

void TPlotEngine::DrawErrorBars(const TSeries &series, bool horizontal)
{
    const int cap = ScaleMetric(series.ErrorBarCap) / 2;
    canvas_->SetPen({series.Colour, ScaleMetric(series.ErrorBarWidth), TPenStyle::psSolid});
    auto line = [&](int x1, int y1, int x2, int y2) {
        canvas_->MoveTo(x1, y1);
        canvas_->LineTo(x2, y2);
    };
    const TDataRange r = ScaleRange();
    for (const TSeriesPoint &p : series.Points) {
        if (!Within(p.X, r.XMin, r.XMax) || !Within(p.Y, r.YMin, r.YMax))
            continue;
        const int x = XToPixel(p.X), y = YToPixel(p.Y);
        if (horizontal && p.XErr > 0) {
            int start = plotRight_;
            if (!(p.X + p.XErr > r.XMax)) {
                start = XToPixel(p.X + p.XErr);
                line(start, y - cap, start, y + cap);
            }
            if (p.X - p.XErr >= r.XMin) {
                const int end = XToPixel(p.X - p.XErr);
                line(start, y, end, y);
                line(end, y - cap, end, y + cap);
            } else {
                line(start, y, XToPixel(r.XMin), y);
            }
        } else if (!horizontal && p.YErr > 0) {
            int start = plotTop_;
            if (!(p.Y + p.YErr > r.YMax)) {
                start = YToPixel(p.Y + p.YErr);
                line(x - cap, start, x + cap, start);
            }
            if (p.Y - p.YErr >= r.YMin) {
                const int end = YToPixel(p.Y - p.YErr);
                line(x, start, x, end);
                line(x - cap, end, x + cap, end);
            } else {
                line(x, start, x, YToPixel(r.YMin));
            }
        }
    }
}

void TPlotEngine::DrawSymbol(const TSeries &series, int x, int y)
{
    using Kind = TSymbolShape::Kind;
    const TSymbolShape shape = SymbolShape(series.SymbolType, x, y, ScaleMetric(series.SymbolSize));
    canvas_->SetPen({series.Colour, shape.filled ? 0 : shape.outlineWidth, TPenStyle::psSolid});
    canvas_->SetBrush({shape.filled ? series.Colour : plotColor_, TBrushStyle::bsSolid});
    const std::vector<QPoint> &p = shape.points;
    switch (shape.kind) {
    case Kind::Lines:
        for (std::size_t i = 0; i + 1 < p.size(); i += 2) {
            canvas_->MoveTo(p[i].x(), p[i].y());
            canvas_->LineTo(p[i + 1].x(), p[i + 1].y());
        }
        break;
    case Kind::Rectangle:
        canvas_->Rectangle(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Kind::Ellipse:
        canvas_->Ellipse(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Kind::Polygon:
        canvas_->Polygon(p);
        break;
    case Kind::None:
        break;
    }
}

void TPlotEngine::DrawSymbols(const TSeries &series)
{
    const TDataRange r = ScaleRange();
    for (const TSeriesPoint &p : series.Points)
        if (Within(p.X, r.XMin, r.XMax) && Within(p.Y, r.YMin, r.YMax))
            DrawSymbol(series, XToPixel(p.X), YToPixel(p.Y));
}

// --- Legend ---------------------------------------------------------------

void TPlotEngine::CalcLegendMetrics()
{
    legend_ = TLegendGeometry{};
    if (!legendBox_.Enabled())
        return;
    UseFont(legendFont_);
    TLegendMetricsInput in;
    in.ShowEntries = ShowsSeriesData();
    in.SampleLength = ScaleMetric(kSampleLength);
    in.Placement = legendBox_.Placement();
    if (in.Placement == lbxTop || in.Placement == lbxBottom)
        in.PlotWidth = XToPixel(xScale_.Max()) - XToPixel(xScale_.Min());
    if (in.ShowEntries) {
        TRunList runs;
        for (const TSeries &s : series_) {
            if (!s.Shown())
                continue;
            TLegendEntryMetrics e;
            e.LineOn = s.LineOn;
            e.LineWidth = ScaleMetric(s.LineWidth);
            e.SymbolsOn = s.SymbolsOn;
            e.SymbolSize = ScaleMetric(vexplot::RoundToInt(1.2 * s.SymbolSize));
            e.HasText = !s.Legend.isEmpty();
            if (e.HasText) {
                ParseRichText(s.Legend, canvas_->Font().Name, canvas_->Font().Style, runs);
                e.TextWidth = RichTextWidth(*canvas_, runs);
                e.TextHeight = RichTextHeight(*canvas_, runs);
            }
            in.Entries.push_back(e);
        }
    } else {
        in.PlaceholderHeight = canvas_->TextHeight(QStringLiteral("A"));
        in.PlaceholderWidth = canvas_->TextWidth(kLegendPlaceholder);
    }
    legend_ = ::CalcLegendMetrics(in);
}

void TPlotEngine::DrawLegend()
{
    const TGraphPen pen = canvas_->Pen();
    const TGraphBrush brush = canvas_->Brush();
    const TLegendGeometry &g = legend_;
    const int lx = legendTopLeft_.x(), ly = legendTopLeft_.y();
    canvas_->SetPen({legendBox_.FrameColor(), ScaleMetric(legendBox_.FrameWidth()),
                     legendBox_.FrameEnabled() ? TPenStyle::psSolid : TPenStyle::psClear});
    canvas_->SetBrush({legendBox_.BoxColor(), legendBox_.BoxStyle()});
    canvas_->Rectangle(lx, ly, lx + g.Width, ly + g.Height);

    if (designing_) {
        UseFont(legendFont_);
        canvas_->TextOut(lx + g.Gap, ly + g.Gap, kLegendPlaceholder);
    } else if (ShowsSeriesData()) {
        TRunList runs;
        int cell = 0;
        for (const TSeries &s : series_) {
            if (!s.Shown())
                continue;
            const int row = cell / g.Columns, column = cell % g.Columns;
            ++cell;
            const int top = ly + g.Gap + row * g.RowHeight;
            const int left = lx + g.Gap + column * g.CellWidth;
            const int mid = top + g.RowHeight / 2;
            if (s.LineOn) {
                // Every sample shows its pattern from the start.
                dashPosition_ = 0;
                canvas_->SetPen({s.Colour, s.LineWidth, s.PenStyle});
                canvas_->MoveTo(left, mid);
                StyledLineTo(left + ScaleMetric(kSampleLength), mid);
            }
            if (s.SymbolsOn)
                DrawSymbol(s, left + g.SymbolColumn, mid);
            if (!s.Legend.isEmpty()) {
                canvas_->SetBackground(legendBox_.BoxColor(), true);
                UseFont(legendFont_);
                ParseRichText(s.Legend, canvas_->Font().Name, canvas_->Font().Style, runs);
                DrawRichText(*canvas_, left + g.TextOffset, mid, runs, lr0, 0, 1);
            }
        }
    }
    canvas_->SetBrush(brush);
    canvas_->SetPen(pen);
}
