// Markup removal and padding of report lines.
#include "app/reports/report_text.h"

#include <gtest/gtest.h>

namespace {

TEST(StripMarkup, RemovesTagsAndKeepsTheTextBetween)
{
    EXPECT_EQ(StripMarkup(QStringLiteral("<sym>m</sym>/r")), QStringLiteral("m/r"));
    EXPECT_EQ(StripMarkup(QStringLiteral(" <b>Water</b>, 10<sup>3</sup> kg")), QStringLiteral(" Water, 103 kg"));
    EXPECT_EQ(StripMarkup(QStringLiteral("<unknown tag>text")), QStringLiteral("text"));
    EXPECT_EQ(StripMarkup(QStringLiteral("no tags")), QStringLiteral("no tags"));
    EXPECT_EQ(StripMarkup(QString()), QString());
}

TEST(StripMarkup, StopsAtAnUnclosedOrBackwardBracket)
{
    // A ">" before the first "<" ends the removal, whatever follows.
    EXPECT_EQ(StripMarkup(QStringLiteral("a>b<c>d")), QStringLiteral("a>b<c>d"));
    EXPECT_EQ(StripMarkup(QStringLiteral("<b>x</b> a>b <i>y")), QStringLiteral("x a>b <i>y"));
    EXPECT_EQ(StripMarkup(QStringLiteral("E < 10 keV")), QStringLiteral("E < 10 keV"));
    EXPECT_EQ(StripMarkup(QStringLiteral("<<a>>")), QStringLiteral(">"));
    // Entities are text, not tags.
    EXPECT_EQ(StripMarkup(QStringLiteral("&lt;b&gt;")), QStringLiteral("&lt;b&gt;"));
}

TEST(PadRight, PadsToTheWidthAndLeavesLongerTexts)
{
    EXPECT_EQ(PadRight(QStringLiteral("ab"), 5), QStringLiteral("ab   "));
    EXPECT_EQ(PadRight(QStringLiteral("abcdef"), 5), QStringLiteral("abcdef"));
    EXPECT_EQ(PadRight(QString(), 2), QStringLiteral("  "));
    // A character outside the basic plane counts once.
    const QString clef = QString::fromUcs4(U"\U0001D11E");
    EXPECT_EQ(CharacterCount(clef), 1);
    EXPECT_EQ(PadRight(clef, 3), clef + QStringLiteral("  "));
}

} // namespace
