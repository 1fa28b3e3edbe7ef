#include "graph/rich_text.h"

#include <gtest/gtest.h>

namespace {

const QString kArial = QStringLiteral("Arial");

TRunList Parse(const QString &text, bool *ok = nullptr)
{
    TRunList runs;
    const bool result = ParseRichText(text, kArial, 0, runs);
    if (ok)
        *ok = result;
    return runs;
}

QString Times()
{
    return QString(QChar(char16_t(180)));
}

} // namespace

TEST(DecodeEntities, NamedThenNumericOnce)
{
    EXPECT_EQ(DecodeEntities("a&lt;b"), "a<b");
    EXPECT_EQ(DecodeEntities("&AMP;LT;"), "&LT;");
    EXPECT_EQ(DecodeEntities("x &Gt; y &amp; z"), "x > y & z");
    EXPECT_EQ(DecodeEntities("&#65;&#66;"), "AB");
    // The low eight bits of the number.
    EXPECT_EQ(DecodeEntities("&#321;"), "A");
    EXPECT_EQ(DecodeEntities("&#178;"), QString(QChar(char16_t(178))));
    // A reference without ';' runs to the end of the segment.
    EXPECT_EQ(DecodeEntities("x&#66"), "xB");
    // Digits that are no number stay as typed.
    EXPECT_EQ(DecodeEntities("a&#x1;b&#;"), "a&#x1;b&#;");
    // Long digit strings keep their low eight bits too.
    EXPECT_EQ(DecodeEntities("&#99999999999999999999999;"), QString(QChar(char16_t(255))));
}

TEST(ParseRichText, SymbolCaptionRuns)
{
    bool ok = false;
    const TRunList runs = Parse("<sym>m</sym>/<sym>r</sym>", &ok);
    EXPECT_TRUE(ok);
    ASSERT_EQ(runs.size(), 5u);
    EXPECT_EQ(runs[0], (TTextElement{"", kArial, 0, scNormal}));
    EXPECT_EQ(runs[1], (TTextElement{"", kArial, 0, scNormal}));
    EXPECT_EQ(runs[2], (TTextElement{"m", "Symbol", 0, scNormal}));
    EXPECT_EQ(runs[3], (TTextElement{"/", kArial, 0, scNormal}));
    EXPECT_EQ(runs[4], (TTextElement{"r", "Symbol", 0, scNormal}));
}

TEST(ParseRichText, EmptyTextIsHeaderAndOneEmptyRun)
{
    const TRunList runs = Parse("");
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_TRUE(runs[1].Text.isEmpty());
}

TEST(ParseRichText, SuperscriptMarksTheHeader)
{
    TRunList runs = Parse("10<SUP>3");
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].Script, scSuperscript);
    EXPECT_EQ(runs[2], (TTextElement{"3", kArial, 0, scSuperscript}));
    // A superscript switch with no text after it adds no run.
    runs = Parse("10<SUP>");
    EXPECT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].Script, scNormal);
}

TEST(ParseRichText, SwitchesWithoutNesting)
{
    const TRunList runs = Parse("<b>a<i>b</b>c<sup>d</sub>e<SUPER>f");
    ASSERT_EQ(runs.size(), 8u);
    EXPECT_EQ(runs[2].FontStyle, fsBold);
    EXPECT_EQ(runs[3].FontStyle, fsBold | fsItalic);
    EXPECT_EQ(runs[4].FontStyle, fsItalic);
    EXPECT_EQ(runs[5].Script, scSuperscript);
    EXPECT_EQ(runs[6].Script, scNormal); // a closing SUB ends a superscript
    EXPECT_EQ(runs[7].Script, scSuperscript);
}

TEST(ParseRichText, OpenBoldLastsToTheEnd)
{
    const TRunList runs = Parse("<B>bold to the end");
    EXPECT_EQ(runs.back().FontStyle, fsBold);
}

TEST(ParseRichText, FaultyMarkup)
{
    bool ok = true;
    TRunList runs = Parse("a<BOLD>b", &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2], (TTextElement{"b", kArial, 0, scNormal}));

    runs = Parse("a<sym>b<c", &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[2].Text, "b");
}

TEST(ParseRichText, EntitiesDecodedPerSegment)
{
    const TRunList runs = Parse("&lt;<sym>&#180;</sym>cm&#178;");
    ASSERT_EQ(runs.size(), 4u);
    EXPECT_EQ(runs[1].Text, "<");
    EXPECT_EQ(runs[2].Text, Times());
    EXPECT_EQ(runs[3].Text, QStringLiteral("cm") + QChar(char16_t(178)));
}

TEST(ParseRichText, InputCutTo255Characters)
{
    const TRunList runs = Parse(QString(300, QLatin1Char('x')));
    EXPECT_EQ(runs[1].Text.size(), 255);
}

TEST(FormatTickLabel, LogAxisShowsPowersAndLeadingDigits)
{
    EXPECT_EQ(FormatTickLabel("1.0E+003", true), "10<SUP>3");
    EXPECT_EQ(FormatTickLabel("5.0E+002", true), "5");
    EXPECT_EQ(FormatTickLabel("1.0E-002", true), "10<SUP>-2");
    EXPECT_EQ(FormatTickLabel("1.0E+000", true), "10<SUP>0");
    EXPECT_EQ(FormatTickLabel("2.5E+000", true), "2"); // rounds half to even
}

TEST(FormatTickLabel, LinearAxisShowsMantissaTimesPower)
{
    EXPECT_EQ(FormatTickLabel("0.0E+000", false), "0");
    EXPECT_EQ(FormatTickLabel("2.5E+001", false), "2.5<sym>" + Times() + "</sym>10<SUP>1");
    EXPECT_EQ(FormatTickLabel("-1.0E-010", false), "-1.0<sym>" + Times() + "</sym>10<SUP>-10");
}

TEST(FormatTickLabel, TextWithoutExponentStays)
{
    EXPECT_EQ(FormatTickLabel("250", true), "250");
    EXPECT_EQ(FormatTickLabel("2.50", false), "2.50");
    EXPECT_EQ(FormatTickLabel("1E keV", false), "1E keV");
}
