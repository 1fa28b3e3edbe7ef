// A canvas over a QPainter: the screen, an off-screen image, a recorded
// picture, a printer page, or an SVG or PDF writer.
#pragma once

#include "graph/canvas.h"

#include <QFont>
#include <QFontMetrics>

#include <optional>

class QPainter;

class TPainterCanvas : public TGraphCanvas
{
public:
    // The painter must be active for the canvas' lifetime. Shapes are drawn
    // without antialiasing, in whole device pixels as they were laid out.
    explicit TPainterCanvas(QPainter &painter);

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
    void UsePen();
    void UseBrush();
    const QFont &CurrentQtFont();

    QPainter &painter_;
    TGraphFont cachedFor_;
    QFont cachedFont_;
    std::optional<QFontMetrics> cachedMetrics_;
    bool cacheValid_ = false;
    // The pen and background last handed to the painter: a run of lines
    // with the same pen sets it once.
    std::optional<TGraphPen> appliedPen_;
    QColor appliedBackground_;
    bool appliedTransparent_ = true;
};
