#include "textio/font_faces.h"

#include <QFontMetrics>

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

} // namespace

QStringList FontFamiliesFor(const QString &faceName)
{
    for (const FaceMapping &m : kFaces)
        if (faceName.compare(QLatin1String(m.face), Qt::CaseInsensitive) == 0)
            return m.families;
    return {faceName};
}

int ScreenTextWidth(const QFont &font, const QString &text)
{
    return QFontMetrics(font).horizontalAdvance(text);
}

int ScreenTextHeight(const QFont &font)
{
    return QFontMetrics(font).height();
}
