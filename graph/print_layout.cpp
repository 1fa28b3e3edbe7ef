#include "graph/print_layout.h"

#include "graph/graph_types.h"

namespace {

struct Span
{
    int start, length;
};

// One direction: page size p, offset o, printable size in millimetres mm.
Span PlaceOnPage(int p, int o, double mm, int positionMM, int sizeMM)
{
    const int printable = p - 2 * o;
    // Pixels per millimetre in single precision, as the page reports them.
    const float k = mm > 0 ? float(printable / mm) : 0.0f;
    int length = sizeMM < 0 ? printable : vexplot::RoundToInt(sizeMM * double(k));
    int start = positionMM < 0 ? (p - length - 2 * o) / 2 : vexplot::RoundToInt(positionMM * double(k)) - o;
    if (start < 0)
        start = 0;
    if (start + length > printable)
        length = p - start - 2 * o;
    return {start, length};
}

} // namespace

std::optional<TDrawArea> PrintArea(const TPrinterPage &page, int leftMM, int topMM, int widthMM, int heightMM)
{
    const Span h = PlaceOnPage(page.PageWidth, page.OffsetX, page.PrintableWidthMM, leftMM, widthMM);
    const Span v = PlaceOnPage(page.PageHeight, page.OffsetY, page.PrintableHeightMM, topMM, heightMM);
    if (h.length <= 0 || v.length <= 0)
        return std::nullopt;
    return TDrawArea{h.start, v.start, h.length, v.length};
}
