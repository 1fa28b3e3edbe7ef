// Markup as plain text for the outputs without fonts.
#include "textio/markup_text.h"

#include <gtest/gtest.h>

namespace {

const QString kMu = QStringLiteral("\u03BC");
const QString kRho = QStringLiteral("\u03C1");

TEST(PlainTextOfMarkup, SymbolRunsAsTheGreekTheGraphDrawsAndEntitiesAsCharacters)
{
    EXPECT_EQ(PlainTextOfMarkup("<sym>m</sym><sub>en</sub>/<sym>r</sym>"), kMu + "en/" + kRho);
    EXPECT_EQ(PlainTextOfMarkup("Pb <b>bold</b> <i>ital</i> <u>und</u> x<sup>2</sup> &amp; &#65;"),
              "Pb bold ital und x2 & A");
    // The multiplication sign of the tick labels, code 180 of the Symbol font.
    EXPECT_EQ(PlainTextOfMarkup(QStringLiteral("2.5<sym>\u00B4</sym>10<sup>1</sup>")), QStringLiteral("2.5\u00D7101"));
    // Only the Symbol run is mapped; an unclosed one runs to the end.
    EXPECT_EQ(PlainTextOfMarkup("m <SYMBOL>m</sym> m <sym>abc"),
              "m " + kMu + " m " + QStringLiteral("\u03B1\u03B2\u03C7"));
    EXPECT_EQ(PlainTextOfMarkup("&lt;b&gt; &AMP;LT;"), "<b> &LT;");
    EXPECT_EQ(PlainTextOfMarkup(QString()), QString());
}

TEST(PlainTextOfMarkup, RemovesTheTagsThatTheReportsRemove)
{
    // A "<" without a later ">" and a ">" before the next "<" end the tags:
    // the rest stays as written (entities decoded), nothing is lost.
    EXPECT_EQ(PlainTextOfMarkup("E < 10 keV &amp; more"), "E < 10 keV & more");
    EXPECT_EQ(PlainTextOfMarkup("<b>x</b> a>b <i>y"), "x a>b <i>y");
    EXPECT_EQ(PlainTextOfMarkup("<<a>>"), ">");
    // Report lines are longer than captions: nothing is cut at 255.
    const QString longLine = QString(300, 'x') + "<sym>m</sym>";
    EXPECT_EQ(PlainTextOfMarkup(longLine), QString(300, 'x') + kMu);
}

TEST(SplitMarkup, TagsAndTextInOrder)
{
    const std::vector<TMarkupPiece> pieces = SplitMarkup("a<b>c</B>");
    ASSERT_EQ(pieces.size(), 4u);
    EXPECT_EQ(pieces[0].text, "a");
    EXPECT_FALSE(pieces[0].tag);
    EXPECT_EQ(pieces[1].text, "b");
    EXPECT_TRUE(pieces[1].tag);
    EXPECT_EQ(pieces[3].text, "/B");
    EXPECT_TRUE(pieces[3].tag);
    bool closing = false;
    EXPECT_EQ(MarkupTagKey("/supER", closing), "SUP");
    EXPECT_TRUE(closing);
    EXPECT_EQ(MarkupTagKey("sym", closing), "SYM");
    EXPECT_FALSE(closing);
}

} // namespace
