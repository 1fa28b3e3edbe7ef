#include "graph/font_map.h"

#include "graph/canvas.h"

#include <QFontMetrics>

#include <cstdlib>

namespace {

struct FaceMapping
{
    const char *face;
    QStringList families;
};

const FaceMapping kFaces[] = {
    {"Arial", {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")}},
    {"Times New Roman", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
    {"Courier New", {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")}},
    {"MS Sans Serif", {QStringLiteral("sans-serif"), QStringLiteral("DejaVu Sans")}},
    {"Symbol", {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")}},
};

// Pixel size of the em for a positive (cell) height: the classic faces' cell
// is about 1.15 em high.
constexpr double kCellToEm = 1 / 1.15;
constexpr int kDefaultPixelSize = 13;

} // namespace

QStringList FontFamiliesFor(const QString &faceName)
{
    for (const FaceMapping &m : kFaces)
        if (faceName.compare(QLatin1String(m.face), Qt::CaseInsensitive) == 0)
            return m.families;
    return {faceName};
}

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

int ScreenTextWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int ScreenTextHeight(const QFont &font)
{
    return QFontMetrics(font).height();
}
