// TVexplot, the x-y graph control: linear and logarithmic scales, caption
// markup, grids, ticks, labels and titles, six data series and a legend box
// (see TPlotEngine for the properties and series), printed or saved as a
// vector picture. Nothing repaints by itself at run time: the application
// calls Paint after changing properties or series.
#pragma once

#include "graph/metafile.h"
#include "graph/plot_overlay.h"
#include "graph/plot_engine.h"
#include "graph/print_layout.h"

#include <QImage>
#include <QWidget>

#include <optional>

class QPrinter;

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

    // Prints the graph on `printer` as one job titled "Vexplot-Plot", at a
    // position and size in millimetres from the physical page edge: a
    // negative left or top centres it, a negative width or height takes the
    // whole printable width or height; what runs over the printable area is
    // cut. Pixel settings scale with the printed size. The graph is drawn
    // into a recorded picture first, so a drawing error propagates before
    // any job starts. False when the place leaves no area on the page or the
    // job cannot be started; printing to a PDF file needs no printer.
    bool PrintGraph(QPrinter &printer, int LeftMM, int TopMM, int WidthMM, int HeightMM);

    // Draws the graph as a vector picture of Width x Height units (negative:
    // the control's own size), pixel settings scaled by the picture's mean
    // side, with the creator text and the caller's description in the file's
    // metadata. Returns false and draws nothing without a metafile.
    bool DrawToMetafile(TMetafile *Metafile, bool Enhanced, int Width, int Height, const QString &Description);

    // The page as a printer reports it.
    static TPrinterPage PageOf(const QPrinter &printer);

    // Where a drawing error of a repaint that the window system asked for
    // (not Paint) goes; unassigned, it is shown in an error box.
    std::function<void(const QString &message)> OnPaintError;

    QSize sizeHint() const override { return {400, 300}; }

    // --- Reading the graph on the screen. The pointer over the plot box,
    // or the crosshair that Tab or an arrow key brings up while the graph
    // has the focus (arrow keys move it, Shift: ten pixels a step, Home /
    // End: the ends, Escape: away; Tab while it shows moves the focus on),
    // is reported through OnPointAt; the application answers with
    // SetReadout. A left-button drag across the plot box draws its rectangle
    // and ends in OnZoomDrag (Escape during the drag cancels it); a
    // double-click in the plot box calls OnFullScale. None of this is part
    // of a printed or saved graph.
    std::function<void(std::optional<QPoint> at)> OnPointAt;
    std::function<void(int left, int right)> OnZoomDrag;
    std::function<void()> OnFullScale;
    // The read-out box beside the point read: a heading and coloured lines
    // (markup). Empty texts: no box. Repaints the overlay only.
    void SetReadout(const QString &heading, const std::vector<TReadoutBoxLine> &lines);
    // What is drawn over the graph now.
    TPlotOverlay Overlay() const;
    // The plot box of the last screen drawing and its x value at a device
    // coordinate (printing and saving leave both alone).
    QRect ScreenPlotBox() const { return screenPlot_; }
    double ScreenXAt(double px) const { return screenX_.Unmap(px); }
    // The x value the crosshair stands on while it shows: it keeps that value
    // when the graph is drawn anew at another size or scale, and moves to
    // the value's pixel.
    std::optional<double> CrosshairX() const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool focusNextPrevChild(bool next) override;
    void Invalidate() override { update(); }

private:
    void PaintOn(QPainter &painter);
    void RenderFrame();
    void ReportPaintError(const QString &message);
    void PaintOverlay(QPainter &painter);
    void PointAt(std::optional<QPoint> at);
    // Shows the crosshair at `at` (kept inside the plot box).
    void PlaceCrosshair(QPoint at);
    // After a drawing: the crosshair back on its x value and its height in
    // the plot box.
    void KeepCrosshair();
    void UpdateOverlay();
    QPoint IntoPlot(QPoint p) const;

    bool buffered_ = false;
    // The drawing of the last Paint, shown by the next paint event.
    QImage frame_;
    bool frameFresh_ = false;
    QString lastReported_;

    // The last screen drawing's plot box, x mapping and pixel scale.
    QRect screenPlot_;
    TAxisMapping screenX_;
    float screenMetric_ = 1;
    // Reading state.
    std::optional<QPoint> pointer_;
    bool crosshair_ = false;
    double crosshairX_ = 0;
    double crosshairHeight_ = 0.5; // of the plot box, from its top
    std::optional<QPoint> dragStart_;
    QPoint dragEnd_;
    QString readoutHeading_;
    std::vector<TReadoutBoxLine> readoutLines_;
};
