#include "controls/numeric_text.h"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>

namespace pheltra::controls {
namespace {

struct Reading
{
    const char *text;
    long double value;
};

TEST(ParseNumericText, ReadsLenientlyWithThePoint)
{
    const Reading readings[] = {
        {"(5)", -5.0L},  {"1,5", 15.0L}, {"1E3", 13.0L}, {"1-2", -12.0L}, {"", 0.0L},     {"-", 0.0L},
        {" 12 ", 12.0L}, {"1.5", 1.5L},  {"-.5", -0.5L}, {"12.", 12.0L},  {"0007", 7.0L}, {"1 000.25", 1000.25L},
    };
    for (const Reading &r : readings) {
        const auto value = ParseNumericText(QString::fromLatin1(r.text), u'.');
        ASSERT_TRUE(value.has_value()) << r.text;
        EXPECT_EQ(*value, r.value) << r.text;
    }
}

TEST(ParseNumericText, ReadsWithTheLocaleSeparatorOnly)
{
    EXPECT_EQ(ParseNumericText(u"1,5", u','), 1.5L);
    EXPECT_EQ(ParseNumericText(u"1.5", u','), 15.0L);
}

TEST(ParseNumericText, KeepsExtendedPrecisionAndRange)
{
    // Read through a double these would come back changed or infinite.
    EXPECT_EQ(ParseNumericText(u"0.1", u'.'), 0.1L);
    const QString huge = u'1' + QString(4932, u'0');
    EXPECT_EQ(ParseNumericText(huge, u'.'), 1E4932L);
}

TEST(ParseNumericText, NegativeZeroIsZero)
{
    const auto value = ParseNumericText(u"-0.00", u'.');
    ASSERT_TRUE(value.has_value());
    EXPECT_FALSE(std::signbit(*value));
}

TEST(ParseNumericText, RefusesWhatIsNoNumber)
{
    EXPECT_FALSE(ParseNumericText(u".", u'.'));
    EXPECT_FALSE(ParseNumericText(u"1.2.3", u'.'));
    EXPECT_FALSE(ParseNumericText(u"(.)", u'.'));
    // Beyond the extended range, above and below: no infinity, no silent zero.
    EXPECT_FALSE(ParseNumericText(QString(5000, u'9'), u'.'));
    EXPECT_FALSE(ParseNumericText(QStringLiteral("0.") + QString(4960, u'0') + u'1', u'.'));
}

// The bounds of "no bound" (1.1E4932) reach far beyond 64 bits; a number
// that would become infinite or zero there fails whatever they say.
TEST(PassesExitCheck, NumbersBeyondSixtyFourBitsFail)
{
    EXPECT_FALSE(PassesExitCheck(1E400L, -1.1E4932L, 1.1E4932L, false));
    EXPECT_FALSE(PassesExitCheck(-1E400L, -1.1E4932L, 1.1E4932L, true));
    EXPECT_FALSE(PassesExitCheck(1E-400L, 1.04E-4931L, 1.1E4932L, false));
    EXPECT_TRUE(PassesExitCheck(1E300L, -1.1E4932L, 1.1E4932L, false));
    EXPECT_TRUE(PassesExitCheck(0.0L, -1.1E4932L, 1.1E4932L, false));
    EXPECT_TRUE(FitsInDouble(1E-300L));
    EXPECT_FALSE(FitsInDouble(1E309L));
}

TEST(PassesExitCheck, BoundsAreInclusiveAndBlankZeroPassesZero)
{
    EXPECT_TRUE(PassesExitCheck(1.0L, 1.0L, 6.0L, false));
    EXPECT_TRUE(PassesExitCheck(6.0L, 1.0L, 6.0L, false));
    EXPECT_FALSE(PassesExitCheck(6.000001L, 1.0L, 6.0L, true));
    EXPECT_FALSE(PassesExitCheck(0.0L, 1.0L, 6.0L, false));
    EXPECT_TRUE(PassesExitCheck(0.0L, 1.0L, 6.0L, true));
    EXPECT_FALSE(PassesExitCheck(0.0L, 1.04E-4931L, 1.1E4932L, false));
}

} // namespace
} // namespace pheltra::controls
