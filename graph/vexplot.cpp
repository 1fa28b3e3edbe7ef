#include "graph/vexplot.h"

#include "graph/metric_factor.h"
#include "graph/painter_canvas.h"
#include "graph/picture_canvas.h"

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QScreen>
#include <QSvgGenerator>
#include <QTimer>

namespace {

const QString kCreator = QStringLiteral("Created by Vexplot/v2.0 - Quorvik");
const QString kPrintJobTitle = QStringLiteral("Vexplot-Plot");
// Units of a vector picture: pixels of the screen it was made for.
constexpr int kPictureResolution = 96;

} // namespace

TVexplot::TVexplot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Vexplot"));
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    SetColor(palette().color(QPalette::Button));
    resize(400, 300);
}

void TVexplot::SetBuffered(bool v)
{
    buffered_ = v;
    StyleChanged();
}

void TVexplot::Paint()
{
    if (width() <= 0 || height() <= 0)
        return;
    try {
        RenderFrame();
    } catch (const std::exception &e) {
        // The caller deals with the fault; repaints do not report it again.
        lastReported_ = QString::fromUtf8(e.what());
        frameFresh_ = true;
        update();
        throw;
    }
    lastReported_.clear();
    frameFresh_ = true;
    update();
}

void TVexplot::RenderFrame()
{
    const qreal ratio = devicePixelRatioF();
    // Opaque (the graph fills its whole area first), so that showing the
    // frame again under a new read-out is a plain copy, not a blend.
    frame_ = QImage(size() * ratio, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(ratio);
    QPainter painter(&frame_);
    PaintOn(painter);
}

void TVexplot::PaintOn(QPainter &painter)
{
    TPainterCanvas canvas(painter);
    const QSize screen = this->screen() ? this->screen()->geometry().size() : QSize(4, 3);
    RenderGraph(canvas, TDrawArea{0, 0, width(), height()},
                ScreenMetricFactor(screen.width(), screen.height(), width(), height()));
    screenPlot_ = QRect(QPoint(PlotLeft(), PlotTop()), QPoint(PlotRight(), PlotBottom()));
    screenX_ = XMapping();
    screenMetric_ = MetricFactor();
    KeepCrosshair();
}

void TVexplot::KeepCrosshair()
{
    if (!crosshair_ || !pointer_ || screenPlot_.isEmpty())
        return;
    const std::optional<int> x = screenX_.Map(crosshairX_);
    if (!x)
        return;
    const QPoint at =
        IntoPlot({*x, screenPlot_.top() + vexplot::RoundToInt(crosshairHeight_ * double(screenPlot_.height() - 1))});
    if (at == *pointer_)
        return;
    // The read-out answers for the same x value at its new place.
    pointer_ = at;
    if (OnPointAt)
        OnPointAt(at);
}

std::optional<double> TVexplot::CrosshairX() const
{
    return crosshair_ && pointer_ ? std::optional<double>(crosshairX_) : std::nullopt;
}

void TVexplot::paintEvent(QPaintEvent *)
{
    if (width() <= 0 || height() <= 0)
        return;
    QPainter painter(this);
    const bool fresh = frameFresh_ && frame_.deviceIndependentSize().toSize() == size();
    frameFresh_ = false;
    if (fresh) {
        painter.drawImage(0, 0, frame_);
        PaintOverlay(painter);
        return;
    }
    // Any other repaint draws from the current state. Exceptions must not
    // cross the window system's event dispatch: they are reported instead.
    try {
        if (buffered_) {
            try {
                RenderFrame();
            } catch (...) {
                painter.drawImage(0, 0, frame_);
                throw;
            }
            painter.drawImage(0, 0, frame_);
        } else {
            PaintOn(painter);
        }
        lastReported_.clear();
    } catch (const std::exception &e) {
        ReportPaintError(QString::fromUtf8(e.what()));
    }
    PaintOverlay(painter);
}

// --- Reading the graph ------------------------------------------------------

TPlotOverlay TVexplot::Overlay() const
{
    TPlotOverlay o;
    o.Pointer = pointer_;
    o.Crosshair = crosshair_ && pointer_.has_value();
    if (dragStart_)
        o.ZoomRect = QRect(*dragStart_, dragEnd_).normalized();
    if (pointer_) {
        o.Heading = readoutHeading_;
        o.Lines = readoutLines_;
    }
    return o;
}

void TVexplot::PaintOverlay(QPainter &painter)
{
    const TPlotOverlay o = Overlay();
    if (!o.Pointer && !o.ZoomRect)
        return;
    TPainterCanvas canvas(painter);
    TGraphFont font = LegendFont();
    if (AutoMetrics())
        font.Height = vexplot::RoundToInt(double(font.Height) * double(screenMetric_));
    DrawPlotOverlay(canvas, o, screenPlot_, rect(), font);
}

void TVexplot::UpdateOverlay()
{
    // The overlay is drawn over the picture last shown; the graph itself is
    // not drawn again.
    if (!frame_.isNull() && frame_.deviceIndependentSize().toSize() == size())
        frameFresh_ = true;
    update();
}

void TVexplot::SetReadout(const QString &heading, const std::vector<TReadoutBoxLine> &lines)
{
    readoutHeading_ = heading;
    readoutLines_ = lines;
    UpdateOverlay();
}

void TVexplot::PointAt(std::optional<QPoint> at)
{
    if (at == pointer_)
        return;
    pointer_ = at;
    if (!at) {
        crosshair_ = false;
        readoutHeading_.clear();
        readoutLines_.clear();
    }
    if (OnPointAt)
        OnPointAt(at);
    UpdateOverlay();
}

QPoint TVexplot::IntoPlot(QPoint p) const
{
    return {std::clamp(p.x(), screenPlot_.left(), screenPlot_.right()),
            std::clamp(p.y(), screenPlot_.top(), screenPlot_.bottom())};
}

void TVexplot::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    crosshair_ = false;
    if (dragStart_) {
        dragEnd_ = IntoPlot(p);
        UpdateOverlay();
    }
    PointAt(screenPlot_.contains(p) ? std::optional<QPoint>(p) : std::nullopt);
}

void TVexplot::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && screenPlot_.contains(p)) {
        dragStart_ = p;
        dragEnd_ = p;
        UpdateOverlay();
    }
    QWidget::mousePressEvent(event);
}

void TVexplot::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !dragStart_)
        return QWidget::mouseReleaseEvent(event);
    dragEnd_ = IntoPlot(event->position().toPoint());
    const int left = std::min(dragStart_->x(), dragEnd_.x()), right = std::max(dragStart_->x(), dragEnd_.x());
    dragStart_.reset();
    UpdateOverlay();
    // A click is no drag: a rectangle needs some width.
    constexpr int kLeastDrag = 3;
    if (right - left >= kLeastDrag && OnZoomDrag)
        OnZoomDrag(left, right);
}

void TVexplot::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && screenPlot_.contains(event->position().toPoint())) {
        dragStart_.reset();
        UpdateOverlay();
        if (OnFullScale)
            OnFullScale();
        return;
    }
    QWidget::mouseDoubleClickEvent(event);
}

void TVexplot::leaveEvent(QEvent *event)
{
    if (!crosshair_)
        PointAt(std::nullopt);
    QWidget::leaveEvent(event);
}

void TVexplot::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && dragStart_) {
        dragStart_.reset();
        UpdateOverlay();
        return;
    }
    if (event->key() == Qt::Key_Escape && crosshair_) {
        PointAt(std::nullopt);
        return;
    }
    // The first key shows the crosshair in the middle; the next ones move it.
    const int step = !crosshair_ ? 0 : event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    QPoint at = crosshair_ && pointer_ ? *pointer_ : screenPlot_.center();
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
        at.rx() += event->key() == Qt::Key_Left ? -step : step;
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
        at.ry() += event->key() == Qt::Key_Up ? -step : step;
        break;
    case Qt::Key_Home:
        at.rx() = screenPlot_.left();
        break;
    case Qt::Key_End:
        at.rx() = screenPlot_.right();
        break;
    default:
        return QWidget::keyPressEvent(event);
    }
    if (screenPlot_.isEmpty())
        return;
    PlaceCrosshair(at);
}

void TVexplot::PlaceCrosshair(QPoint at)
{
    at = IntoPlot(at);
    crosshair_ = true;
    crosshairX_ = screenX_.Unmap(at.x());
    crosshairHeight_ =
        screenPlot_.height() > 1 ? double(at.y() - screenPlot_.top()) / double(screenPlot_.height() - 1) : 0.0;
    // The same point again still shows the crosshair.
    pointer_.reset();
    PointAt(at);
}

void TVexplot::focusInEvent(QFocusEvent *event)
{
    // Reached with the Tab key, the graph shows its crosshair at once.
    if ((event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) && !screenPlot_.isEmpty())
        PlaceCrosshair(screenPlot_.center());
    QWidget::focusInEvent(event);
}

bool TVexplot::focusNextPrevChild(bool next)
{
    // Tab on the graph brings up the crosshair (the graph is often the only
    // place the focus can go, so Tab would do nothing else); once it shows,
    // Tab moves the focus on as anywhere.
    if (!crosshair_ && !screenPlot_.isEmpty()) {
        PlaceCrosshair(screenPlot_.center());
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

void TVexplot::focusOutEvent(QFocusEvent *event)
{
    if (crosshair_)
        PointAt(std::nullopt);
    QWidget::focusOutEvent(event);
}

void TVexplot::ReportPaintError(const QString &message)
{
    // Every expose repaints; the same fault is reported once until a drawing
    // succeeds again.
    if (message == lastReported_)
        return;
    lastReported_ = message;
    if (OnPaintError) {
        OnPaintError(message);
        return;
    }
    QTimer::singleShot(0, this, [this, message] { QMessageBox::critical(this, QString(), message); });
}

TPrinterPage TVexplot::PageOf(const QPrinter &printer)
{
    const QPageLayout layout = printer.pageLayout();
    const int resolution = printer.resolution();
    const QRect full = layout.fullRectPixels(resolution);
    const QRect paint = printer.fullPage() ? full : layout.paintRectPixels(resolution);
    TPrinterPage page;
    page.PageWidth = full.width();
    page.PageHeight = full.height();
    page.OffsetX = paint.left();
    page.OffsetY = paint.top();
    // The printable size in millimetres from the same pixels, so that a
    // millimetre prints as resolution / 25.4 pixels exactly (the layout's own
    // millimetre rectangle is rounded separately).
    page.PrintableWidthMM = (page.PageWidth - 2 * page.OffsetX) * 25.4 / resolution;
    page.PrintableHeightMM = (page.PageHeight - 2 * page.OffsetY) * 25.4 / resolution;
    return page;
}

bool TVexplot::PrintGraph(QPrinter &printer, int LeftMM, int TopMM, int WidthMM, int HeightMM)
{
    const std::optional<TDrawArea> area = PrintArea(PageOf(printer), LeftMM, TopMM, WidthMM, HeightMM);
    if (!area)
        return false;
    TPictureCanvas picture;
    RenderGraph(picture, *area, PrintMetricFactor(area->Width, area->Height));

    printer.setDocName(kPrintJobTitle);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    TPainterCanvas page(painter);
    picture.PlayOn(page);
    return painter.end();
}

bool TVexplot::DrawToMetafile(TMetafile *Metafile, bool Enhanced, int Width, int Height, const QString &Description)
{
    if (!Metafile)
        return false;
    const int w = Width < 0 ? width() : Width;
    const int h = Height < 0 ? height() : Height;
    Metafile->SetData({});
    Metafile->SetWidth(w);
    Metafile->SetHeight(h);
    Metafile->SetEnhanced(Enhanced);
    if (w <= 0 || h <= 0)
        return false;

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const TDrawArea area{0, 0, w, h};
    const float metricFactor = PictureMetricFactor(w, h);
    auto draw = [&](QPaintDevice &device) {
        QPainter painter(&device);
        TPainterCanvas canvas(painter);
        RenderGraph(canvas, area, metricFactor);
    };
    if (Metafile->Format() == TMetafileFormat::Pdf) {
        QPdfWriter pdf(&buffer);
        pdf.setCreator(kCreator);
        pdf.setTitle(Description);
        pdf.setResolution(kPictureResolution);
        const QSizeF points(w * 72.0 / kPictureResolution, h * 72.0 / kPictureResolution);
        pdf.setPageLayout(QPageLayout(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                      QPageLayout::Portrait, QMarginsF()));
        draw(pdf);
    } else {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(w, h));
        svg.setViewBox(QRect(0, 0, w, h));
        svg.setResolution(kPictureResolution);
        svg.setTitle(kCreator);
        svg.setDescription(Description);
        draw(svg);
    }
    Metafile->SetData(buffer.data());
    return true;
}
