// The graph's fonts on a real font system: the classic faces and the Symbol
// font's Greek letters.
#include "graph/font_map.h"
#include "graph/painter_canvas.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace {

TGraphFont Font(const char *name, int height)
{
    TGraphFont f;
    f.Name = QString::fromLatin1(name);
    f.Height = height;
    return f;
}

} // namespace

TEST(FontMap, ClassicFacesUseLiberationFonts)
{
    EXPECT_EQ(QFontInfo(QtFontFor(Font("Arial", -20))).family(), "Liberation Sans");
    EXPECT_EQ(QFontInfo(QtFontFor(Font("Times New Roman", -20))).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(QtFontFor(Font("Courier New", -20))).family(), "Liberation Mono");
    const QString sans = QFontInfo(QtFontFor(Font("MS Sans Serif", -20))).family();
    EXPECT_TRUE(sans == "DejaVu Sans" || sans == "Liberation Sans") << sans.toStdString();
    EXPECT_EQ(QtFontFor(Font("Arial", -20)).pixelSize(), 20);
    EXPECT_TRUE(QtFontFor(Font("Arial", -20) /* plain */).bold() == false);
}

TEST(FontMap, SymbolTextIsMeasuredAsTheGreekLetters)
{
    QImage image(50, 50, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    TPainterCanvas canvas(painter);
    canvas.SetFont(Font("Symbol", -20));
    const QFontMetrics serif(QtFontFor(Font("Times New Roman", -20)));
    EXPECT_EQ(canvas.TextWidth("m"), serif.horizontalAdvance(QString::fromUtf8("μ")));
    EXPECT_EQ(canvas.TextWidth("mr"), serif.horizontalAdvance(QString::fromUtf8("μρ")));
    EXPECT_NE(canvas.TextWidth("m"), serif.horizontalAdvance("m"));
    // The Greek letters exist in the face: no fallback needed.
    EXPECT_TRUE(serif.inFont(QChar(0x03BC)));
    EXPECT_TRUE(serif.inFont(QChar(0x03C1)));
    EXPECT_TRUE(serif.inFont(QChar(0x00D7)));
}
