// Markup as plain text for the outputs without fonts, and markup written
// back from runs.
#include "graph/markup_text.h"
#include "graph/rich_text.h"

#include <gtest/gtest.h>

namespace {

const QString kMu = QStringLiteral("\u03BC");
const QString kRho = QStringLiteral("\u03C1");

TEST(PlainTextOfMarkup, SymbolRunsAsTheGreekTheGraphDrawsAndEntitiesAsCharacters)
{
    EXPECT_EQ(PlainTextOfMarkup("<sym>m</sym><sub>en</sub>/<sym>r</sym>"), kMu + "en/" + kRho);
    EXPECT_EQ(PlainTextOfMarkup("Pb <b>bold</b> <i>ital</i> <u>und</u> x<sup>2</sup> &amp; &#65;"),
              "Pb bold ital und x2 & A");
    // The tick labels' multiplication sign, code 180 of the Symbol font.
    EXPECT_EQ(PlainTextOfMarkup(FormatTickLabel("2.5E+001", false)), QStringLiteral("2.5\u00D7101"));
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

// The visible runs of a text: what a reader sees, empty runs left out and
// neighbours of the same font joined.
TRunList Visible(const QString &markup)
{
    TRunList runs, visible;
    ParseRichText(markup, QStringLiteral("Arial"), 0, runs);
    for (std::size_t i = 1; i < runs.size(); ++i) {
        if (runs[i].Text.isEmpty())
            continue;
        TTextElement run = runs[i];
        if (!visible.empty() && visible.back().FontName == run.FontName && visible.back().FontStyle == run.FontStyle &&
            visible.back().Script == run.Script)
            visible.back().Text += run.Text;
        else
            visible.push_back(run);
    }
    return visible;
}

TEST(RunsToMarkup, ParsesBackIntoTheSameRuns)
{
    for (const QString &text :
         {QStringLiteral("Pb <b>bold</b> <i>ital</i> <u>und</u> x<sup>2</sup> &amp; &#65;"),
          QStringLiteral("<b><i>bi<u>biu</b>iu</i>u<sym>m<SUP>2<sub>3</sub>/r"),
          QStringLiteral("a &lt;b&gt; &amp;lt; &amp;#66;"), QStringLiteral("<sym>m</sym><sub>en</sub>/<sym>r</sym>"),
          QStringLiteral("tail <unknown> tag <u")}) {
        TRunList runs;
        ParseRichText(text, QStringLiteral("Arial"), 0, runs);
        const QString written = RunsToMarkup(runs);
        EXPECT_EQ(Visible(written), Visible(text)) << text.toStdString() << " -> " << written.toStdString();
    }
    EXPECT_EQ(RunsToMarkup({}), QString());
}

} // namespace
