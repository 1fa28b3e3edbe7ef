// TVexplot, the x-y graph control: linear and logarithmic scales, caption
// markup, grids, ticks, labels and titles, six data series and a legend box
// (see TPlotEngine for the properties and series), printed or saved as a
// vector picture. Nothing repaints by itself at run time: the application
// calls Paint after changing properties or series.
#pragma once

#include "graph/metafile.h"
#include "graph/plot_engine.h"
#include "graph/print_layout.h"

#include <QImage>
#include <QWidget>

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
