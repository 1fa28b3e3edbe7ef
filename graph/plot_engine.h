// Everything of the graph that is not a window: its published properties,
// the drawing state, and the drawing sequence onto any canvas. TVexplot (the
// control) adds the window, the screen painting, printing and vector files.
#pragma once

#include "graph/canvas.h"
#include "graph/graph_parts.h"
#include "graph/graph_types.h"
#include "graph/layout.h"
#include "graph/legend.h"
#include "graph/scale.h"
#include "graph/scale_map.h"
#include "graph/series.h"
#include "graph/series_geometry.h"
#include "graph/tick_labels.h"
#include "graph/ticks.h"

#include <QPointF>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// A graph event; the application knows its one graph, so no sender is passed.
using TNotifyEvent = std::function<void()>;

// An overlay line or filled area in data units, drawn under the series.
constexpr int kOverlayCount = 6;
constexpr int kMaxOverlayVertices = 12;
struct TOverlay
{
    bool Enabled = false;
    std::vector<QPointF> Vertices; // at most 12 are drawn
    TGraphPen Pen;
    TGraphBrush Brush; // fill of a polygon
};

class TPlotEngine
{
public:
    TPlotEngine();
    virtual ~TPlotEngine() = default;
    TPlotEngine(const TPlotEngine &) = delete;
    TPlotEngine &operator=(const TPlotEngine &) = delete;

    // --- Published properties. Object properties are changed in place through
    // the non-const accessors or assigned whole through their setters.
    TPBox &PlotBox() { return plotBox_; }
    const TPBox &PlotBox() const { return plotBox_; }
    void SetPlotBox(const TPBox &v);
    bool AutoMetrics() const { return autoMetrics_; }
    void SetAutoMetrics(bool v);
    QColor PlotColor() const { return plotColor_; }
    void SetPlotColor(const QColor &v);
    std::uint16_t MarginLeft() const { return marginLeft_; }
    std::uint16_t MarginRight() const { return marginRight_; }
    std::uint16_t MarginTop() const { return marginTop_; }
    std::uint16_t MarginBottom() const { return marginBottom_; }
    void SetMarginLeft(std::uint16_t v);
    void SetMarginRight(std::uint16_t v);
    void SetMarginTop(std::uint16_t v);
    void SetMarginBottom(std::uint16_t v);
    bool Frame() const { return frame_; }
    void SetFrame(bool v);
    TGTitle &GraphTitle() { return graphTitle_; }
    const TGTitle &GraphTitle() const { return graphTitle_; }
    void SetGraphTitle(const TGTitle &v);
    TGraphPen &FramePen() { return framePen_; }
    const TGraphPen &FramePen() const { return framePen_; }
    void SetFramePen(const TGraphPen &v);
    TGraphPen &AxisPen() { return axisPen_; }
    const TGraphPen &AxisPen() const { return axisPen_; }
    void SetAxisPen(const TGraphPen &v);
    TGrid &GridVertical() { return gridVertical_; }
    const TGrid &GridVertical() const { return gridVertical_; }
    void SetGridVertical(const TGrid &v);
    TGrid &GridHorizontal() { return gridHorizontal_; }
    const TGrid &GridHorizontal() const { return gridHorizontal_; }
    void SetGridHorizontal(const TGrid &v);
    TGraphFont &AxisTitleFont() { return axisTitleFont_; }
    const TGraphFont &AxisTitleFont() const { return axisTitleFont_; }
    void SetAxisTitleFont(const TGraphFont &v);
    TGraphFont &TickLabelFont() { return tickLabelFont_; }
    const TGraphFont &TickLabelFont() const { return tickLabelFont_; }
    void SetTickLabelFont(const TGraphFont &v);
    TGraphFont &GraphTitleFont() { return graphTitleFont_; }
    const TGraphFont &GraphTitleFont() const { return graphTitleFont_; }
    void SetGraphTitleFont(const TGraphFont &v);
    TGraphFont &LegendFont() { return legendFont_; }
    const TGraphFont &LegendFont() const { return legendFont_; }
    void SetLegendFont(const TGraphFont &v);
    TLegendBox &LegendBox() { return legendBox_; }
    const TLegendBox &LegendBox() const { return legendBox_; }
    void SetLegendBox(const TLegendBox &v);
    TAxis &XAxis() { return xAxis_; }
    const TAxis &XAxis() const { return xAxis_; }
    void SetXAxis(const TAxis &v);
    TAxis &YAxis() { return yAxis_; }
    const TAxis &YAxis() const { return yAxis_; }
    void SetYAxis(const TAxis &v);
    TScale &XScale() { return xScale_; }
    const TScale &XScale() const { return xScale_; }
    void SetXScale(const TScale &v);
    TScale &YScale() { return yScale_; }
    const TScale &YScale() const { return yScale_; }
    void SetYScale(const TScale &v);
    // Fill of the whole drawing area.
    QColor Color() const { return color_; }
    void SetColor(const QColor &v);

    // --- Events. A scale fault is handed to OnLogScaleError when assigned,
    // otherwise it propagates out of the drawing; a value at or below zero on
    // a log axis calls OnNegativeValues when assigned, otherwise it raises
    // ENegValError; OnRescale follows every rescale.
    TNotifyEvent OnLogScaleError;
    TNotifyEvent OnNegativeValues;
    TNotifyEvent OnRescale;

    // In a form designer the graph behaves as if it held no data and repaints
    // on every property change. There is no designer in this program; the
    // switch keeps that behaviour available.
    bool Designing() const { return designing_; }
    void SetDesigning(bool v) { designing_ = v; }

    // The sub-objects' change handler: repaints at design time only.
    void StyleChanged();

    // --- Series 1..6. Every operation returns false and does nothing for an
    // index outside 1..6.
    bool SetSeries(int index, bool enabled, bool clearPoints, const QColor &colour, const QString &legend);
    bool SetSeriesLine(int index, bool lineOn, std::uint8_t lineType, int lineWidth, TPenStyle penStyle);
    // Index 0 clears all six slots.
    bool ClearSeries(int index);
    // Refused for a disabled or full (600 points) series; a point at an X
    // already present replaces it.
    bool AddPoint(int index, double x, double y, double xErr, double yErr);
    // The 1-based position of the last point with X not above `x` (0 when
    // none); true when its X equals `x`.
    bool FindPoint(int index, double x, int &position) const;
    // Whether any slot, enabled or not, holds a point.
    bool HasData() const;
    bool RecalcExtents(int index);
    // Plain access to a slot's fields (symbols, error bars); null outside 1..6.
    TSeries *Series(int index);
    const TSeries *Series(int index) const;
    // Overlays 1..6 under the series; null outside 1..6.
    TOverlay *OverlayPolyline(int index);
    TOverlay *OverlayPolygon(int index);

    // --- Drawing.
    // Fills the area with Color and draws the graph into it, with every pixel
    // quantity scaled by `metricFactor` when AutoMetrics is on.
    void RenderGraph(TGraphCanvas &canvas, const TDrawArea &area, float metricFactor);
    // The drawing sequence on `canvas` into the current DrawArea.
    void DrawGraph(TGraphCanvas &canvas);
    // v, or round(v x MetricFactor) with AutoMetrics.
    int ScaleMetric(int v) const;
    // The rescale before every drawing; true when a rescale happened.
    bool AdjustScales();
    // Value to device coordinate with the current layout.
    int XToPixel(double x);
    int YToPixel(double y);

    // --- Drawing state of the last drawing, read by the printing code and
    // by checks.
    const TDrawArea &DrawArea() const { return drawArea_; }
    float MetricFactor() const { return metricFactor_; }
    int PlotLeft() const { return plotLeft_; }
    int PlotTop() const { return plotTop_; }
    int PlotRight() const { return plotRight_; }
    int PlotBottom() const { return plotBottom_; }
    double XFactor() const { return xFactor_; }
    double YFactor() const { return yFactor_; }
    const TTickLists &XTicks() const { return xTicks_; }
    const TTickLists &YTicks() const { return yTicks_; }
    // The major ticks that carry a label in the last drawing (on a log axis
    // those that fit beside their neighbours).
    const std::vector<double> &XLabelTicks() const { return xLabelTicks_; }
    const std::vector<double> &YLabelTicks() const { return yLabelTicks_; }
    // The value-to-device mappings of the last drawing.
    TAxisMapping XMapping() const { return XAxisMapping(xScale_, xFactor_, plotLeft_); }
    TAxisMapping YMapping() const { return YAxisMapping(yScale_, yFactor_, plotTop_); }
    const TLegendGeometry &Legend() const { return legend_; }
    QPoint LegendTopLeft() const { return legendTopLeft_; }

protected:
    // Asks the window to repaint; nothing without one.
    virtual void Invalidate() { }

private:
    void BindChangeLinks();
    void DrawSequence();
    void CalcLayout();
    void RunLayoutHorizontal();
    void RunLayoutVertical();
    void CalcLegendMetrics();
    bool ShowsSeriesData() const;
    void UseFont(const TGraphFont &font);
    QString TickLabel(const TScale &scale, const TAxis &axis, double value, bool full) const;
    std::vector<double> LabelledTicks(const TTickLists &ticks, const TScale &scale, const TAxis &axis, bool isX);
    int LargestLabelExtent(const TTickLists &ticks, const TScale &scale, const TAxis &axis, bool widthWhenTurned);
    int CaptionExtent(const QString &caption, const TGraphFont &font, bool width);
    void StyledLineTo(int x, int y);
    void DrawGridLines(bool minor);
    void DrawTickMarks(bool minor);
    void DrawFrameAndAxes();
    void DrawTickLabels();
    void DrawTitles();
    bool XInterceptShown() const;
    bool YInterceptShown() const;
    // Series, overlays and legend (plot_engine_series.cpp).
    void DrawOverlays();
    void DrawSeries(const TSeries &series);
    void DrawSeriesLine(const TSeries &series);
    void DrawClippedSegment(const TDataSegment &segment);
    void DrawErrorBars(const TSeries &series, bool horizontal);
    void DrawSymbol(const TSeries &series, int x, int y);
    void DrawSymbols(const TSeries &series);
    void DrawLegend();
    TDataRange ScaleRange() const;

    TPBox plotBox_;
    bool autoMetrics_ = false;
    QColor plotColor_ = kColorWhite;
    std::uint16_t marginLeft_ = 10, marginRight_ = 20, marginTop_ = 20, marginBottom_ = 10;
    bool frame_ = true;
    TGTitle graphTitle_;
    TGraphPen framePen_{kColorGray, 1, TPenStyle::psSolid};
    TGraphPen axisPen_{kColorGray, 1, TPenStyle::psSolid};
    TGrid gridVertical_, gridHorizontal_;
    TGraphFont axisTitleFont_, tickLabelFont_, graphTitleFont_, legendFont_;
    TLegendBox legendBox_;
    TAxis xAxis_{TAxis::XKind}, yAxis_{TAxis::YKind};
    TScale xScale_, yScale_;
    QColor color_ = kColorSilver;
    std::array<TSeries, kSeriesCount> series_;
    std::array<TOverlay, kOverlayCount> polylines_, polygons_;
    bool designing_ = false;
    bool drawing_ = false;

    TGraphCanvas *canvas_ = nullptr;
    TDrawArea drawArea_;
    float metricFactor_ = 1;
    int plotLeft_ = 0, plotTop_ = 0, plotRight_ = 0, plotBottom_ = 0;
    int xLabelOffset_ = 0, yLabelOffset_ = 0, xTitleOffset_ = 0, yTitleOffset_ = 0;
    int titleOffset_ = 0, bottomLegendOffset_ = 0;
    double xFactor_ = 0, yFactor_ = 0;
    TTickLists xTicks_, yTicks_;
    std::vector<double> xLabelTicks_, yLabelTicks_;
    TLegendGeometry legend_;
    QPoint legendTopLeft_;
    int dashPosition_ = 0;
};
