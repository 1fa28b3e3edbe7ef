#include "graph/vexplot.h"

#include "graph/metric_factor.h"
#include "graph/painter_canvas.h"

#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TVexplot::TVexplot(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Vexplot"));
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
    frame_ = QImage(size() * ratio, QImage::Format_ARGB32_Premultiplied);
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
