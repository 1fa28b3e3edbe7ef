// The report number formats: digits, rounding, exponent forms and the
// locale's decimal separator.
#include "app/reports/number_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);

TEST(GeneralFormat, FixedInsideItsRangeWithoutTrailingZeros)
{
    EXPECT_EQ(FormatGeneral(1.0L, 6, kC), "1");
    EXPECT_EQ(FormatGeneral(0.1118980L, 6, kC), "0.111898");
    EXPECT_EQ(FormatGeneral(0.25L, 6, kC), "0.25");
    EXPECT_EQ(FormatGeneral(123456.0L, 6, kC), "123456");
    EXPECT_EQ(FormatGeneral(0.0001L, 6, kC), "0.0001");
    EXPECT_EQ(FormatGeneral(-2.5L, 6, kC), "-2.5");
    EXPECT_EQ(FormatGeneral(0.0L, 6, kC), "0");
    EXPECT_EQ(FormatGeneral(0.5L, 6, kGerman), "0,5");
}

TEST(GeneralFormat, ScientificOutsideWithAShortExponent)
{
    EXPECT_EQ(FormatGeneral(0.00005L, 6, kC), "5E-5");
    EXPECT_EQ(FormatGeneral(1.5e20L, 6, kC), "1.5E20");
    EXPECT_EQ(FormatGeneral(1234567.0L, 6, kC), "1.23457E6");
    EXPECT_EQ(FormatGeneral(-0.0000123L, 6, kGerman), "-1,23E-5");
    // Rounding to six digits carries into a seventh integer digit.
    EXPECT_EQ(FormatGeneral(999999.5L, 6, kC), "1E6");
}

TEST(GeneralFormat, RoundsHalfAwayFromZeroFromTheExactValue)
{
    EXPECT_EQ(FormatGeneral(0.125L, 2, kC), "0.13"); // an exact tie
    EXPECT_EQ(FormatGeneral(-0.125L, 2, kC), "-0.13");
    EXPECT_EQ(FormatGeneral(2.675, 3, kC), "2.67"); // 2.67499999... as a double
    EXPECT_EQ(FormatGeneral(0.99999949L, 6, kC), "0.999999");
    EXPECT_EQ(FormatGeneral(0.99999951L, 6, kC), "1");
}

TEST(GeneralFormat, TheAtomicDataViewShowsFixedFromATenThousandthLower)
{
    EXPECT_EQ(FormatGeneral(0.00008375L, 5, kC), "8.375E-5");
    EXPECT_EQ(FormatGeneral(0.00008375L, 5, kC, kFormatGFixedFrom), "0.00008375");
    EXPECT_EQ(FormatGeneral(0.000008L, 5, kC, kFormatGFixedFrom), "8E-6");
    EXPECT_EQ(FormatGeneral(11.35L, 5, kC, kFormatGFixedFrom), "11.35");
}

TEST(ScientificFormat, MantissaDigitsAndExponentWidth)
{
    EXPECT_EQ(FormatScientific(3.3428e23L, 3, 2, kC), "3.34E+23");
    EXPECT_EQ(FormatScientific(150.0L, 3, 1, kC), "1.50E+2");
    EXPECT_EQ(FormatScientific(-1.0L, 3, 2, kC), "-1.00E+00");
    EXPECT_EQ(FormatScientific(0.0L, 3, 2, kC), "0.00E+00");
    EXPECT_EQ(FormatScientific(1e-5L, 4, 1, kC), "1.000E-5");
    EXPECT_EQ(FormatScientific(1e100L, 3, 2, kC), "1.00E+100");
    EXPECT_EQ(FormatScientific(3.3428e23L, 3, 2, kGerman), "3,34E+23");
    EXPECT_EQ(FormatScientific(2.0, 1, 1, kC), "2E+0");
}

TEST(ScientificFormat, RoundingCanMoveTheExponent)
{
    EXPECT_EQ(FormatScientific(9.9951L, 3, 1, kC), "1.00E+1");
    EXPECT_EQ(FormatScientific(9.995, 3, 1, kC), "9.99E+0"); // 9.99499999... as a double
    EXPECT_EQ(FormatScientific(0.099996L, 4, 1, kC), "1.000E-1");
}

TEST(FixedFormat, TwoDecimalsWithinThePrecision)
{
    EXPECT_EQ(FormatFixed(7.5067L, 4, 2, kC), "7.51");
    EXPECT_EQ(FormatFixed(6.0L, 4, 2, kC), "6.00");
    EXPECT_EQ(FormatFixed(0.005, 4, 2, kC), "0.01");  // 0.00500000000000000010 as a double
    EXPECT_EQ(FormatFixed(0.005L, 4, 2, kC), "0.00"); // 0.00499999999999999999996 in 80 bits
    EXPECT_EQ(FormatFixed(0.004L, 4, 2, kC), "0.00");
    EXPECT_EQ(FormatFixed(-0.001L, 4, 2, kC), "0.00"); // never "-0.00"
    EXPECT_EQ(FormatFixed(-1.0L, 4, 2, kC), "-1.00");
    EXPECT_EQ(FormatFixed(99.996L, 4, 2, kC), "100.00");
    EXPECT_EQ(FormatFixed(7.5067L, 4, 2, kGerman), "7,51");
}

TEST(FixedFormat, PrecisionLimitsTheDigitsAndLongIntegersTurnGeneral)
{
    EXPECT_EQ(FormatFixed(123.456L, 4, 2, kC), "123.50");
    EXPECT_EQ(FormatFixed(12345.678L, 4, 2, kC), "1.235E4");
}

TEST(DecimalsFormat, AsTheAtomicDataViewShowsThem)
{
    EXPECT_EQ(FormatDecimals(207.2, 5, kC), "207.20000");
    EXPECT_EQ(FormatDecimals(88.0045, 4, kC), "88.0045");
    EXPECT_EQ(FormatDecimals(823.0L, 1, kGerman), "823,0");
    EXPECT_EQ(FormatDecimals(0.983f, 4, kC), "0.9830");
}

TEST(NumberFormats, NonFiniteValues)
{
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(FormatGeneral(nan, 6, kC), "NAN");
    EXPECT_EQ(FormatScientific(inf, 3, 2, kC), "INF");
    EXPECT_EQ(FormatFixed(-inf, 4, 2, kC), "-INF");
}

} // namespace
