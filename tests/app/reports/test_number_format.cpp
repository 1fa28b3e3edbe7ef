// The report number formats: digits, rounding, exponent forms and the
// locale's decimal separator.
#include "app/reports/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

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

// The scientific form worked out by the C library, whose printf expands a
// long double exactly and rounds it to nearest, ties to even: the report's
// half-away-from-zero rule differs only on an exact tie, recognised from
// the exact expansion and settled by asking for the next value up.
std::string ReferenceScientific(long double value, int precision)
{
    const long double magnitude = std::fabs(value);
    char exact[256];
    std::snprintf(exact, sizeof exact, "%.160Le", magnitude); // exact for the magnitudes tested
    std::string digits(exact);                                // d.ddd...e+XX
    digits.resize(digits.find('e'));
    digits.erase(1, 1);
    const bool tie = digits.size() > static_cast<std::size_t>(precision) &&
        digits[static_cast<std::size_t>(precision)] == '5' &&
        digits.find_first_not_of('0', static_cast<std::size_t>(precision) + 1) == std::string::npos;
    const long double rounded =
        tie ? std::nextafter(magnitude, std::numeric_limits<long double>::infinity()) : magnitude;
    char text[64];
    std::snprintf(text, sizeof text, "%.*Le", precision - 1, rounded);
    std::string result = std::signbit(value) ? "-" : "";
    const char *e = std::strchr(text, 'e');
    result.append(text, static_cast<std::size_t>(e - text));
    const int exponent = std::atoi(e + 1);
    result += exponent < 0 ? "E-" : "E+";
    result += std::to_string(std::abs(exponent));
    return result;
}

void ExpectAsTheReference(long double value, int precision)
{
    EXPECT_EQ(FormatScientific(value, precision, 1, kC).toStdString(), ReferenceScientific(value, precision))
        << "value " << static_cast<double>(value) << " (" << std::hexfloat << value << std::defaultfloat
        << "), precision " << precision;
}

// The quick rounding of the fine-grid reports against the exact expansion:
// values anywhere in the span the coefficients and energies take, values a
// few units of the last place either side of a half-way point, exact ties,
// and values that round up to the next power of ten.
TEST(ScientificFormat, RoundsEveryValueAsItsExactExpansion)
{
    std::mt19937_64 random(20261208);
    std::uniform_int_distribution<int> precisionOf(1, 18);
    std::uniform_real_distribution<long double> decade(-25.0L, 25.0L);
    for (int i = 0; i < 20000; ++i) {
        const long double value = std::pow(10.0L, decade(random)) * (i % 2 != 0 ? -1.0L : 1.0L);
        ExpectAsTheReference(value, precisionOf(random));
    }

    std::uniform_int_distribution<int> exponentOf(-20, 20);
    for (int i = 0; i < 20000; ++i) {
        const int precision = 1 + i % 15;
        std::uniform_int_distribution<long long> leading(1, 9);
        // A precision-digit integer and a half after it, scaled.
        long long digits = leading(random);
        for (int d = 1; d < precision; ++d)
            digits = digits * 10 + static_cast<long long>(random() % 10);
        long double halfway = (static_cast<long double>(digits) + 0.5L) * std::pow(10.0L, exponentOf(random));
        for (int step = 0; step < 3; ++step)
            halfway = std::nextafter(halfway, 0.0L);
        for (int step = 0; step < 7; ++step) {
            ExpectAsTheReference(halfway, precision);
            halfway = std::nextafter(halfway, std::numeric_limits<long double>::infinity());
        }
    }

    for (const long double tie : {0.5L, 2.5L, 12.5L, 0.125L, 0.375L, 1234.5L, 99.5L, 9.5L, 0.0625L, 1e10L + 0.5L})
        for (int precision = 1; precision <= 12; ++precision) {
            ExpectAsTheReference(tie, precision);
            ExpectAsTheReference(-tie, precision);
        }

    for (int precision = 1; precision <= 15; ++precision)
        for (int exponent = -20; exponent <= 20; ++exponent) {
            const long double power = std::pow(10.0L, exponent);
            long double below = power * (1.0L - 0.5L * std::pow(10.0L, -precision));
            for (int step = 0; step < 3; ++step)
                below = std::nextafter(below, 0.0L);
            for (int step = 0; step < 7; ++step) {
                ExpectAsTheReference(below, precision);
                below = std::nextafter(below, std::numeric_limits<long double>::infinity());
            }
            ExpectAsTheReference(power, precision);
            ExpectAsTheReference(std::nextafter(power, 0.0L), precision);
        }
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
