// The number formats of the dialogs' read-only fields and grid cells.
#include "app/dialog_numbers.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

class DialogNumbersTest : public ::testing::Test
{
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void TearDown() override { QLocale::setDefault(locale_); }
    QLocale locale_;
};

TEST_F(DialogNumbersTest, GeneralFormatKeepsTheSignificantDigitsAndDropsTrailingZeros)
{
    EXPECT_EQ(GeneralNumberText(0.111898L, 6), "0.111898");
    EXPECT_EQ(GeneralNumberText(0.1118984L, 6), "0.111898");
    EXPECT_EQ(GeneralNumberText(1.0L, 6), "1");
    EXPECT_EQ(GeneralNumberText(2.5L, 6), "2.5");
    EXPECT_EQ(GeneralNumberText(0.0L, 6), "0");
    EXPECT_EQ(GeneralNumberText(123456.0L, 6), "123456");
    EXPECT_EQ(GeneralNumberText(1.0L / 3.0L, 6), "0.333333");
    // A weight stored as a 32-bit float shows as written in the library.
    EXPECT_EQ(GeneralNumberText(0.888102f, 7), "0.888102");
    EXPECT_EQ(GeneralNumberText(0.000124f, 7), "0.000124");
}

TEST_F(DialogNumbersTest, GeneralFormatTurnsScientificForLargeAndTinyNumbers)
{
    EXPECT_EQ(GeneralNumberText(1234567.0L, 6), "1.23457E+06");
    // Rounding carries into the next decade.
    EXPECT_EQ(GeneralNumberText(999999.7L, 6), "1E+06");
    EXPECT_EQ(GeneralNumberText(100000000.0L, 6), "1E+08");
    EXPECT_EQ(GeneralNumberText(0.00001L, 6), "0.00001");
    EXPECT_EQ(GeneralNumberText(0.0000015L, 6), "1.5E-06");
    EXPECT_EQ(GeneralNumberText(-2.5L, 6), "-2.5");
}

TEST_F(DialogNumbersTest, ExponentAndFixedFormats)
{
    EXPECT_EQ(ExponentNumberText(3.3428E+23L, 3), "3.34E+23");
    EXPECT_EQ(ExponentNumberText(1.0L, 3), "1.00E+00");
    EXPECT_EQ(ExponentNumberText(1.0L, 4), "1.000E+00");
    EXPECT_EQ(ExponentNumberText(0.00120479L, 4), "1.205E-03");
    EXPECT_EQ(FixedNumberText(7.5061L, 2), "7.51");
    EXPECT_EQ(FixedNumberText(0.0L, 2), "0.00");
}

TEST_F(DialogNumbersTest, TheUserLocaleGivesTheSeparatorAndNoGrouping)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(GeneralNumberText(1500.25L, 6), "1500,25");
    EXPECT_EQ(ExponentNumberText(3.3428E+23L, 3), "3,34E+23");
    EXPECT_EQ(FixedNumberText(7.5061L, 2), "7,51");
}

} // namespace
