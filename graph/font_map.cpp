#include "graph/font_map.h"

#include "graph/canvas.h"

#include <algorithm>

namespace {

// Pixel size of the em for a positive (cell) height: the classic faces' cell
// is about 1.15 em high.
constexpr double kCellToEm = 1 / 1.15;
constexpr int kDefaultPixelSize = 13;

} // namespace

QFont QtFontFor(const TGraphFont &font)
{
    QFont f;
    f.setFamilies(FontFamiliesFor(font.Name));
    if (font.Name.compare(QLatin1String("MS Sans Serif"), Qt::CaseInsensitive) == 0)
        f.setStyleHint(QFont::SansSerif);
    int pixels = font.Height < 0 ? -font.Height : vexplot::RoundToInt(font.Height * kCellToEm);
    if (font.Height == 0)
        pixels = kDefaultPixelSize;
    f.setPixelSize(std::max(1, pixels));
    f.setBold(font.Style & fsBold);
    f.setItalic(font.Style & fsItalic);
    f.setUnderline(font.Style & fsUnderline);
    return f;
}
