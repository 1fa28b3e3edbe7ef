// TVexplot, the x-y graph control: linear and logarithmic scales, caption
// markup, grids, ticks, labels and titles (see TPlotEngine for the
// properties). Nothing repaints by itself at run time: the application calls
// Paint after changing properties or series.
#pragma once

#include "graph/plot_engine.h"

#include <QImage>
#include <QWidget>

class TVexplot : public QWidget, public TPlotEngine
{
    Q_OBJECT
public:
    explicit TVexplot(QWidget *parent = nullptr);

    // Repaints the window system asks for draw into an off-screen image first
    // and copy it in one operation (Paint always draws off-screen).
    bool Buffered() const { return buffered_; }
    void SetBuffered(bool v);

    // Draws the whole control now, from the current properties and series,
    // and shows it. A scale fault that no OnLogScaleError handler absorbs,
    // and ENegValError, propagate to the caller; what was drawn up to the
    // fault is shown.
    void Paint();

    // Where a drawing error of a repaint that the window system asked for
    // (not Paint) goes; unassigned, it is shown in an error box.
    std::function<void(const QString &message)> OnPaintError;

    QSize sizeHint() const override { return {400, 300}; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void Invalidate() override { update(); }

private:
    void PaintOn(QPainter &painter);
    void RenderFrame();
    void ReportPaintError(const QString &message);

    bool buffered_ = false;
    // The drawing of the last Paint, shown by the next paint event.
    QImage frame_;
    bool frameFresh_ = false;
    QString lastReported_;
};
