#include "graph/plot_overlay.h"

#include "graph/rich_text_draw.h"

#include <algorithm>

namespace {

constexpr int kPointerGap = 16; // pixels between the pointer's column and the box
constexpr int kPadding = 6;
constexpr int kSampleLength = 24;

struct MeasuredLine
{
    TRunList label, text;
    int labelWidth = 0, textWidth = 0, height = 0;
};

} // namespace

QRect ReadoutBoxPlace(QPoint pointer, QSize size, const QRect &plot, int gap, const QRect &bounds)
{
    const int right = pointer.x() + gap, leftSide = pointer.x() - gap - size.width();
    const bool fitsRight = right + size.width() <= plot.right(), fitsLeft = leftSide >= plot.left();
    if (fitsRight || fitsLeft) {
        int top = pointer.y() - size.height() / 2;
        top = std::min(top, plot.bottom() - size.height());
        top = std::max(top, plot.top());
        return QRect(QPoint(fitsRight ? right : leftSide, top), size);
    }
    // Over the pointer's column, below or above the point read.
    const QRect &across = size.width() <= plot.width() ? plot : bounds;
    const int left =
        std::max(across.left(), std::min(pointer.x() - size.width() / 2, across.right() + 1 - size.width()));
    const int below = pointer.y() + gap, above = pointer.y() - gap - size.height();
    const bool fitsBelow = below + size.height() <= plot.bottom(), fitsAbove = above >= plot.top();
    int top = fitsBelow                                           ? below
        : fitsAbove                                               ? above
        : plot.bottom() - pointer.y() >= pointer.y() - plot.top() ? below
                                                                  : above;
    top = std::max(bounds.top(), std::min(top, bounds.bottom() + 1 - size.height()));
    return QRect(QPoint(left, top), size);
}

void DrawPlotOverlay(TGraphCanvas &canvas, const TPlotOverlay &overlay, const QRect &plot, const QRect &bounds,
                     const TGraphFont &font)
{
    if (overlay.Crosshair && overlay.Pointer) {
        canvas.SetPen({kColorGray, 1, TPenStyle::psSolid});
        canvas.MoveTo(overlay.Pointer->x(), plot.top());
        canvas.LineTo(overlay.Pointer->x(), plot.bottom());
        canvas.MoveTo(plot.left(), overlay.Pointer->y());
        canvas.LineTo(plot.right(), overlay.Pointer->y());
    }
    if (overlay.ZoomRect) {
        const QRect r = overlay.ZoomRect->normalized();
        canvas.SetPen({kColorBlack, 1, TPenStyle::psDash});
        canvas.SetBrush({kColorBlack, TBrushStyle::bsClear});
        canvas.Rectangle(r.left(), r.top(), r.right() + 1, r.bottom() + 1);
    }
    if (!overlay.Pointer || (overlay.Heading.isEmpty() && overlay.Lines.empty()))
        return;

    TGraphFont f = font;
    canvas.SetFont(f);
    TRunList heading;
    ParseRichText(overlay.Heading, f.Name, f.Style, heading);
    const int headingHeight = RichTextHeight(canvas, heading);
    int width = RichTextWidth(canvas, heading);
    int height = headingHeight;
    std::vector<MeasuredLine> lines(overlay.Lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        MeasuredLine &m = lines[i];
        ParseRichText(overlay.Lines[i].Label, f.Name, f.Style, m.label);
        ParseRichText(QStringLiteral(": ") + overlay.Lines[i].Text, f.Name, f.Style, m.text);
        m.labelWidth = RichTextWidth(canvas, m.label);
        m.textWidth = RichTextWidth(canvas, m.text);
        m.height = std::max(RichTextHeight(canvas, m.label), RichTextHeight(canvas, m.text));
        width = std::max(width, kSampleLength + kPadding + m.labelWidth + m.textWidth);
        height += m.height;
    }
    const QRect box = ReadoutBoxPlace(*overlay.Pointer, QSize(width + 2 * kPadding, height + 2 * kPadding), plot,
                                      kPointerGap, bounds);
    canvas.SetPen({kColorGray, 1, TPenStyle::psSolid});
    canvas.SetBrush({kColorWhite, TBrushStyle::bsSolid});
    canvas.Rectangle(box.left(), box.top(), box.right() + 1, box.bottom() + 1);
    canvas.SetBackground(kColorWhite, true);

    int y = box.top() + kPadding;
    f.Color = kColorBlack;
    canvas.SetFont(f);
    DrawRichText(canvas, box.left() + kPadding, y, heading, lr0, 0, 0);
    y += headingHeight;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const MeasuredLine &m = lines[i];
        const QColor colour = overlay.Lines[i].Colour;
        const int mid = y + m.height / 2;
        const int x = box.left() + kPadding;
        canvas.SetPen({colour, 2, TPenStyle::psSolid});
        canvas.MoveTo(x, mid);
        canvas.LineTo(x + kSampleLength, mid);
        f.Color = colour;
        canvas.SetFont(f);
        DrawRichText(canvas, x + kSampleLength + kPadding, mid, m.label, lr0, 0, 1);
        canvas.SetFont(f);
        DrawRichText(canvas, x + kSampleLength + kPadding + m.labelWidth, mid, m.text, lr0, 0, 1);
        y += m.height;
    }
}
