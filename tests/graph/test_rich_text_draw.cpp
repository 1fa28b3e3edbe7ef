#include "graph/rich_text_draw.h"

#include "tests/graph/recording_canvas.h"

#include <gtest/gtest.h>

namespace {

// A 20-pixel font: characters 10 wide, cell 24 high; at 70 % (14 px) 7 and 16.
TRecordingCanvas CanvasWithFont(int height = -20)
{
    TRecordingCanvas c;
    TGraphFont f;
    f.Name = "Arial";
    f.Height = height;
    c.SetFont(f);
    return c;
}

TRunList Parse(TGraphCanvas &c, const QString &text)
{
    TRunList runs;
    ParseRichText(text, c.Font().Name, c.Font().Style, runs);
    return runs;
}

} // namespace

TEST(RichTextMeasure, WidthSumsRunsAtTheirSizes)
{
    TRecordingCanvas c = CanvasWithFont();
    EXPECT_EQ(RichTextWidth(c, Parse(c, "10<SUP>3")), 20 + 7);
    EXPECT_EQ(RichTextWidth(c, Parse(c, "")), 0);
    EXPECT_EQ(MeasureRichText(c, "<sym>m</sym>/<sym>r</sym>, cm"), 70);
    EXPECT_EQ(c.Font().Height, -20); // the base font is restored
}

TEST(RichTextMeasure, HeightGrowsForScripts)
{
    TRecordingCanvas c = CanvasWithFont();
    EXPECT_EQ(RichTextHeight(c, Parse(c, "")), 24);
    EXPECT_EQ(RichTextHeight(c, Parse(c, "10<SUP>3")), 24 + 4); // round(3.6)
    EXPECT_EQ(RichTextHeight(c, Parse(c, "x<SUB>i")), 24 + 6);  // round(6.0)
    EXPECT_EQ(RichTextHeight(c, Parse(c, "a<SUP>2</SUP>x<SUB>i")), 24 + 4 + 6);
}

TEST(DrawRichText, SuperscriptLowersTheLineAndSitsOnTop)
{
    TRecordingCanvas c = CanvasWithFont();
    DrawRichText(c, 100, 50, Parse(c, "10<SUP>3"), lr0, 0, 0);
    const TDrawOp &ten = c.TextOp("10");
    const TDrawOp &three = c.TextOp("3");
    EXPECT_EQ(ten.points[0], QPoint(100, 54)); // 0.15 H lower
    EXPECT_EQ(ten.font.Height, -20);
    EXPECT_EQ(three.points[0], QPoint(120, 50)); // top of the line, after "10"
    EXPECT_EQ(three.font.Height, -14);
    EXPECT_EQ(c.Font().Height, -20);
}

TEST(DrawRichText, SubscriptBelowTheTop)
{
    TRecordingCanvas c = CanvasWithFont();
    DrawRichText(c, 0, 0, Parse(c, "x<SUB>i"), lr0, 0, 0);
    EXPECT_EQ(c.TextOp("x").points[0], QPoint(0, 0));
    EXPECT_EQ(c.TextOp("i").points[0], QPoint(10, 11)); // round(0.45 H)
    EXPECT_EQ(c.TextOp("i").font.Height, -14);
}

TEST(DrawRichText, AlignmentAtQuarterTurns)
{
    // "abcd": W = 40, HH = 24.
    TRecordingCanvas c = CanvasWithFont();
    const TRunList runs = Parse(c, "abcd");
    DrawRichText(c, 100, 100, runs, lr0, 1, 2);
    EXPECT_EQ(c.TextOp("abcd").points[0], QPoint(80, 76));
    EXPECT_EQ(c.TextOp("abcd").escapement, 0);
    c.ops.clear();
    DrawRichText(c, 100, 100, runs, lr90, 2, 0); // reads upwards, ends at y = 100
    EXPECT_EQ(c.TextOp("abcd").points[0], QPoint(100, 140));
    EXPECT_EQ(c.TextOp("abcd").escapement, 900);
    c.ops.clear();
    DrawRichText(c, 100, 100, runs, lr270, 1, 2);
    EXPECT_EQ(c.TextOp("abcd").points[0], QPoint(124, 80));
    EXPECT_EQ(c.TextOp("abcd").escapement, 2700);
}

TEST(DrawRichText, TurnedRunsAdvanceAlongTheLine)
{
    TRecordingCanvas c = CanvasWithFont();
    DrawRichText(c, 0, 200, Parse(c, "ab<sym>m</sym>c"), lr90, 0, 0);
    EXPECT_EQ(c.TextOp("ab").points[0], QPoint(0, 200));
    EXPECT_EQ(c.TextOp(QString::fromUtf8("μ")).points[0], QPoint(0, 180));
    EXPECT_EQ(c.TextOp("c").points[0], QPoint(0, 170));
    c.ops.clear();
    DrawRichText(c, 300, 0, Parse(c, "ab<SUB>c"), lr270, 0, 0);
    EXPECT_EQ(c.TextOp("c").points[0], QPoint(300 - 11, 20));
}

TEST(DrawRichText, SymbolRunsShowGreekLetters)
{
    TRecordingCanvas c = CanvasWithFont();
    const QString caption = "<sym>m</sym>/<sym>r</sym>, cm" + QString(QChar(char16_t(178))) + "/g";
    DrawRichText(c, 0, 0, Parse(c, caption), lr0, 0, 0);
    EXPECT_TRUE(c.HasText(QString::fromUtf8("μ")));
    EXPECT_TRUE(c.HasText(QString::fromUtf8("ρ")));
    EXPECT_TRUE(c.HasText(QString::fromUtf8(", cm²/g")));
    EXPECT_FALSE(c.HasText("m"));
    EXPECT_EQ(c.TextOp(QString::fromUtf8("μ")).font.Name, "Symbol");
}

TEST(DrawRotatedRichText, MatchesQuarterTurnsAndTurnsInBetween)
{
    TRecordingCanvas c = CanvasWithFont();
    DrawRotatedRichText(c, 100, 100, "abcd", 900, 2, 0);
    EXPECT_EQ(c.TextOp("abcd").points[0], QPoint(100, 140));
    EXPECT_EQ(c.TextOp("abcd").escapement, 900);
    c.ops.clear();
    DrawRotatedRichText(c, 0, 0, "ab<sup>c", 0, 0, 0);
    EXPECT_EQ(c.TextOp("ab").points[0], QPoint(0, 4));
    EXPECT_EQ(c.TextOp("c").points[0], QPoint(20, 0));
    c.ops.clear();
    // 30 degrees: the second run starts 20 along the line, 4 across it.
    DrawRotatedRichText(c, 0, 0, "ab<sup>c", 300, 0, 0);
    EXPECT_EQ(c.TextOp("ab").points[0], QPoint(2, 3)); // d = 4: (round(4 sin), round(4 cos))
    EXPECT_EQ(c.TextOp("c").points[0], QPoint(17, -10));
    EXPECT_EQ(c.TextOp("c").escapement, 300);
}
