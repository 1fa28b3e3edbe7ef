#include "graph/label_format.h"

#include <gtest/gtest.h>

namespace {
const QLocale kC = QLocale::c();
const QLocale kGerman(QLocale::German, QLocale::Germany);
} // namespace

TEST(FormatLabelNumber, ScientificWithThreeExponentDigits)
{
    EXPECT_EQ(FormatLabelNumber(1000, "%-.2e", kC), "1.0E+003");
    EXPECT_EQ(FormatLabelNumber(0.01, "%-.2e", kC), "1.0E-002");
    EXPECT_EQ(FormatLabelNumber(500, "%-.2e", kC), "5.0E+002");
    EXPECT_EQ(FormatLabelNumber(0, "%-.2e", kC), "0.0E+000");
    EXPECT_EQ(FormatLabelNumber(-25, "%.3e", kC), "-2.50E+001");
    EXPECT_EQ(FormatLabelNumber(7e-123, "%.1e", kC), "7E-123");
    EXPECT_EQ(FormatLabelNumber(1.5e300, "%.2E", kC), "1.5E+300");
}

TEST(FormatLabelNumber, GeneralPicksFixedOrScientific)
{
    EXPECT_EQ(FormatLabelNumber(50, "%-.2g", kC), "50");
    EXPECT_EQ(FormatLabelNumber(0.5, "%-.2g", kC), "0.5");
    EXPECT_EQ(FormatLabelNumber(2.25, "%-.2g", kC), "2.2"); // nearest of the binary value
    EXPECT_EQ(FormatLabelNumber(1000, "%-.2g", kC), "1E+003");
    EXPECT_EQ(FormatLabelNumber(1500, "%-.2g", kC), "1.5E+003");
    EXPECT_EQ(FormatLabelNumber(99.7, "%-.2g", kC), "1E+002");
    EXPECT_EQ(FormatLabelNumber(0.00001, "%-.2g", kC), "0.00001");
    EXPECT_EQ(FormatLabelNumber(0.000001, "%-.2g", kC), "1E-006");
    EXPECT_EQ(FormatLabelNumber(0, "%-.2g", kC), "0");
    EXPECT_EQ(FormatLabelNumber(-0.25, "%g", kC), "-0.25");
}

TEST(FormatLabelNumber, DecimalSeparatorOfTheLocale)
{
    EXPECT_EQ(FormatLabelNumber(1000, "%-.2e", kGerman), "1,0E+003");
    EXPECT_EQ(FormatLabelNumber(0.5, "%-.2g", kGerman), "0,5");
    EXPECT_EQ(FormatLabelNumber(12345.678, "%.1n", kGerman), "12.345,7");
    EXPECT_EQ(FormatLabelNumber(-1234567, "%.0n", kC), "-1,234,567");
}

TEST(FormatLabelNumber, WidthAlignmentAndLiterals)
{
    EXPECT_EQ(FormatLabelNumber(2.5, "%8.2f", kC), "    2.50");
    EXPECT_EQ(FormatLabelNumber(2.5, "%-8.2f|", kC), "2.50    |");
    EXPECT_EQ(FormatLabelNumber(2.5, "%-.2f", kC), "2.50");
    EXPECT_EQ(FormatLabelNumber(30, "E = %.0f keV, 100%%", kC), "E = 30 keV, 100%");
}

TEST(FormatLabelNumber, FaultyFormats)
{
    // No conversion at all: the text as it stands.
    EXPECT_EQ(FormatLabelNumber(3, "keV", kC), "keV");
    // A conversion of another type reads as general format.
    EXPECT_EQ(FormatLabelNumber(3.25, "%d", kC), "3.25");
    // A dangling percent sign stays.
    EXPECT_EQ(FormatLabelNumber(3, "abc %", kC), "abc %");
    EXPECT_EQ(FormatLabelNumber(NAN, "%e", kC), "NAN");
}
