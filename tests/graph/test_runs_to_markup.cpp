// Markup written back from runs: parsed again, it gives the same runs.
#include "graph/rich_text.h"
#include "textio/markup_text.h"

#include <gtest/gtest.h>

namespace {

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

TEST(TickLabelMarkup, ReadsAsPlainTextWithTheMultiplicationSign)
{
    EXPECT_EQ(PlainTextOfMarkup(FormatTickLabel("2.5E+001", false)), QStringLiteral("2.5\u00D7101"));
}

} // namespace
