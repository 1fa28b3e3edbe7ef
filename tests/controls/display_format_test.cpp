#include "controls/display_format.h"

#include "controls/numeric_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace pheltra::controls {
namespace {

constexpr char16_t kInteger[] = u"0;-0";
constexpr char16_t kTwoDecimals[] = u"0.00;-0.00";
constexpr char16_t kSixDecimals[] = u"0.000000;-0.000000";

QString Shown(long double value, QStringView picture, QChar separator = u'.')
{
    return FormatDisplayValue(value, picture, separator);
}

TEST(FormatDisplayValue, ProgramPictures)
{
    EXPECT_EQ(Shown(0, kInteger), "0");
    EXPECT_EQ(Shown(32767, kInteger), "32767");
    EXPECT_EQ(Shown(-2147483648.0L, kInteger), "-2147483648");
    EXPECT_EQ(Shown(1, kTwoDecimals), "1.00");
    EXPECT_EQ(Shown(0, kTwoDecimals), "0.00");
    EXPECT_EQ(Shown(-1.5L, kTwoDecimals), "-1.50");
    EXPECT_EQ(Shown(1.0L / 3, kSixDecimals), "0.333333");
    EXPECT_EQ(Shown(2.0L / 3, kSixDecimals), "0.666667");
    EXPECT_EQ(Shown(100000000, kSixDecimals), "100000000.000000");
    EXPECT_EQ(Shown(1.5L, kTwoDecimals, u','), "1,50");
}

TEST(FormatDisplayValue, RoundsTheExactValueHalfAwayFromZero)
{
    EXPECT_EQ(Shown(0.125L, kTwoDecimals), "0.13");
    EXPECT_EQ(Shown(-0.125L, kTwoDecimals), "-0.13");
    EXPECT_EQ(Shown(std::nextafter(0.125L, 0.0L), kTwoDecimals), "0.12");
    EXPECT_EQ(Shown(2.5L, kInteger), "3");
    EXPECT_EQ(Shown(0.5L, kInteger), "1");
    EXPECT_EQ(Shown(9.999L, kTwoDecimals), "10.00");
    EXPECT_EQ(Shown(999999.9999999L, kSixDecimals), "1000000.000000");
}

TEST(FormatDisplayValue, NegativeRoundingToZeroShowsPlainZero)
{
    EXPECT_EQ(Shown(-0.004L, kTwoDecimals), "0.00");
    EXPECT_EQ(Shown(-0.4L, kInteger), "0");
    EXPECT_EQ(Shown(-0.0L, kInteger), "0");
}

TEST(FormatDisplayValue, ExtremeMagnitudesShowEveryDigit)
{
    const long double largest = std::numeric_limits<long double>::max();
    const QString text = Shown(largest, kInteger);
    EXPECT_EQ(text.size(), 4933);
    EXPECT_TRUE(text.startsWith(u"11897314953572317650"));
    EXPECT_EQ(ParseNumericText(text, u'.'), largest);
    EXPECT_EQ(Shown(std::numeric_limits<long double>::denorm_min(), kSixDecimals), "0.000000");
    EXPECT_EQ(Shown(-std::numeric_limits<long double>::infinity(), kInteger), "-INF");
}

TEST(FormatDisplayValue, OtherPictureCharacters)
{
    EXPECT_EQ(Shown(1.5L, u"0.00 keV"), "1.50 keV");
    EXPECT_EQ(Shown(5, u"000"), "005");
    EXPECT_EQ(Shown(1234, u"0"), "1234");
    EXPECT_EQ(Shown(-2.25L, u"0.0"), "-2.3"); // one section: minus in front
    EXPECT_EQ(Shown(0.5L, u".00"), ".50");
    EXPECT_EQ(Shown(12, u"0."), "12"); // no decimals, no separator
    EXPECT_EQ(Shown(-3, u"0;(0)"), "(3)");
}

// What a field shows must read back as the value, to within half a unit of
// the picture's last place.
TEST(FormatDisplayValue, ShownTextReadsBackAsTheRoundedValue)
{
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> mantissa(-1.0, 1.0);
    std::uniform_int_distribution<int> exponent(-12, 40);
    const struct
    {
        const char16_t *picture;
        int decimals;
    } pictures[] = {{kInteger, 0}, {kTwoDecimals, 2}, {kSixDecimals, 6}};
    for (int i = 0; i < 3000; ++i) {
        const long double value = mantissa(random) * std::pow(10.0L, exponent(random));
        for (const auto &p : pictures) {
            const QString text = Shown(value, p.picture, u',');
            const auto back = ParseNumericText(text, u',');
            ASSERT_TRUE(back.has_value()) << text.toStdString();
            const long double half_unit = 0.5L * std::pow(10.0L, -p.decimals);
            EXPECT_LE(std::fabs(*back - value), half_unit * (1 + 1e-15L) + std::fabs(value) * 1e-18L)
                << text.toStdString();
        }
    }
}

} // namespace
} // namespace pheltra::controls
