// The absorber and coefficient reports for fixed data sets, a fixed moment
// and fixed locales, compared line by line.
#include "app/reports/reports.h"

#include "absorber/compound_library.h"
#include "app/reports/number_format.h"
#include "app/reports/report_text.h"
#include "textio/markup_text.h"

#include "tests/support/compound_records.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <malloc.h>

#include <algorithm>

namespace {

const QString kLongName = QStringLiteral("Polymethyl methacrylate, cast sheet for phantoms (PMMA) lot 7");

class Reports : public ::testing::Test
{
protected:
    Reports()
    {
        library_.Append(QStringLiteral("Water"), MakeCompound(1.0f, {{1, 0.111898f}, {8, 0.888102f}}));
        library_.Append(kLongName, MakeCompound(1.19f, {{1, 0.080538f}, {6, 0.599848f}, {8, 0.319614f}}));
        library_.Append(QStringLiteral("Graphite powder"), MakeCompound(-1.0f, {{6, 1.0f}}));
        library_.Sort();

        TCmpDataSet &water = sets_[0];
        water.AbsorberName[0] = "Water";
        water.RelWeight[0] = 1.0L;
        water.Legend = " <b>Water</b> phantom";
        water.UpdateComposition(library_);

        TCmpDataSet &mixture = sets_[2];
        mixture.AbsorberName[0] = kLongName;
        mixture.RelWeight[0] = 2.0L;
        mixture.AbsorberName[1] = "Graphite powder";
        mixture.RelWeight[1] = 0.5L;
        mixture.DataSource = kDataSourceH;
        mixture.CoeffType = kCoeffTypeEnergyAbsorptionTotal;
        mixture.Legend = " <sym>m</sym><sub>en</sub>/<sym>r</sym> of PMMA";
        mixture.UpdateComposition(library_);
    }

    ReportSelection Only(std::initializer_list<int> indices) const
    {
        ReportSelection selection;
        selection.dataSets.fill(false);
        for (const int index : indices)
            selection.dataSets[static_cast<std::size_t>(index)] = true;
        return selection;
    }

    CompoundLibrary library_;
    DataSets sets_;
    ReportEnvironment british_{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)),
                               QLocale(QLocale::English, QLocale::UnitedKingdom)};
    ReportEnvironment german_{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)),
                              QLocale(QLocale::German, QLocale::Germany)};
};

TEST_F(Reports, HeaderStampInTheUsersFormatsWithoutTimeZone)
{
    EXPECT_EQ(ReportTimestamp(british_), QStringLiteral("05/03/2024 / 14:07:09"));
    EXPECT_EQ(ReportTimestamp(german_), QStringLiteral("05.03.24 / 14:07:09"));
    const ReportEnvironment american{british_.now, QLocale(QLocale::English, QLocale::UnitedStates)};
    EXPECT_EQ(ReportTimestamp(american), QStringLiteral("3/5/24 / 2:07:09 PM"));
}

TEST_F(Reports, AbsorberListOfOneDataSetInUseAndOneEmpty)
{
    const QStringList expected{
        "Pheltra: List of absorber materials ------- 05/03/2024 / 14:07:09",
        QString(62, '='),
        "Absorber #1: <b>Water</b> phantom",
        QString(62, '-'),
        "composition:",
        "component                                    rel. Weight",
        "Water                                        1",
        " ",
        "Elemental distribution:",
        " Z   Element                                 Weight fraction",
        " 1   H   (Hydrogen)                          0.111898",
        " 8   O   (Oxygen)                            0.888102",
        " ",
        "Electrons/g:       3.34E+23",
        "Calc. Electr./cm³: 3.34E+23",
        "Effective Z:       7.51",
        " ",
        "Absorber #2: (no entries)",
        QString(62, '-'),
        " ",
    };
    EXPECT_EQ(AbsorberListReport(sets_, Only({0, 1}), british_), expected);
}

TEST_F(Reports, AbsorberListCutsLongNamesAndShowsAMissingDensity)
{
    const QStringList lines = AbsorberListReport(sets_, Only({2}), german_);
    ASSERT_EQ(lines.size(), 19);
    EXPECT_EQ(lines[2], QStringLiteral("Absorber #3: <sym>m</sym><sub>en</sub>/<sym>r</sym> of PMMA"));
    EXPECT_EQ(lines[6], kLongName.left(45) + QStringLiteral("2"));
    EXPECT_EQ(lines[7], QStringLiteral("Graphite powder                              0,5"));
    // Hydrogen: blank, 1, three blanks, H, three blanks, "(", the fraction in
    // column 46.
    const QString hydrogen = lines[11];
    EXPECT_TRUE(hydrogen.startsWith(QStringLiteral(" 1   H   (Hydrogen)"))) << hydrogen.toStdString();
    EXPECT_EQ(hydrogen[44], QLatin1Char(' '));
    EXPECT_TRUE(hydrogen[45].isDigit());
    EXPECT_EQ(hydrogen.left(45).trimmed(), QStringLiteral("1   H   (Hydrogen)"));
    EXPECT_EQ(hydrogen.mid(45), FormatGeneral(sets_[2].ElementWeight[1], 6, german_.locale));
    EXPECT_EQ(lines[12].left(45).trimmed(), QStringLiteral("6   C   (Carbon)"));
    EXPECT_TRUE(lines.contains(QStringLiteral("Calc. Electr./cm³: -1,00E+00")));
    EXPECT_EQ(lines.last(), QStringLiteral(" "));
}

TEST_F(Reports, CoefficientTableOfThreeRowsWithTheValueAtCharacterEleven)
{
    ReportSelection selection;
    selection.absorberComposition = false;
    selection.from = 10.0f;
    selection.to = 30.0f;
    selection.interval = 10.0f;
    const QStringList lines = CoefficientReport(sets_, selection, british_);

    const QStringList head{
        "Pheltra: Photon attenuation coefficients -- 05/03/2024 / 14:07:09",
        QString(62, '='),
        "Absorber #1:  <b>Water</b> phantom",
        "  Coeff. type: attenuation-total",
        "  Data source: Ludrane, Pestova; Med Phys 23(1996)1997",
        " ",
        "Absorber #2: (no entries)",
        " ",
        "Absorber #3:  <sym>m</sym><sub>en</sub>/<sym>r</sym> of PMMA",
        "  Coeff. type: energy absorption-total",
        "  Data source: Zentrilo, Kavomer; NISTIR 5632, 1995",
        " ",
        "Absorber #4: (no entries)",
        " ",
        "Absorber #5: (no entries)",
        " ",
        "Absorber #6: (no entries)",
        " ",
        "Photon attenuation coefficients in units cm²/g, ",
        "  photon energies in units keV:",
        " ",
        "Energy    #1        #2        #3        #4        #5        #6",
        QString(62, '-'),
    };
    ASSERT_EQ(lines.size(), head.size() + 3);
    EXPECT_EQ(lines.mid(0, head.size()), head);

    const QRegularExpression value(QStringLiteral("^\\d\\.\\d{3}E[+-]\\d$"));
    const char *const energies[] = {"1.00E+1", "2.00E+1", "3.00E+1"};
    for (int row = 0; row < 3; ++row) {
        const QString line = lines[head.size() + row];
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(line.left(10), PadRight(QString::fromLatin1(energies[row]), 10));
        const QString first = line.mid(10, 10).trimmed();
        EXPECT_TRUE(value.match(first).hasMatch());
        const long double expected = sets_[0].CoefficientAt(10.0L * (row + 1));
        EXPECT_NEAR(first.toDouble() / static_cast<double>(expected), 1.0, 5e-4);
        EXPECT_EQ(line.mid(20, 10), QStringLiteral("---       "));
        EXPECT_TRUE(value.match(line.mid(30, 10).trimmed()).hasMatch());
        EXPECT_EQ(line.mid(40), QStringLiteral("---       ---       ---"));
    }
}

TEST_F(Reports, UnselectedColumnsAreSingleBlanks)
{
    ReportSelection selection = Only({0});
    selection.from = 100.0f;
    selection.to = 100.0f;
    const QStringList lines = CoefficientReport(sets_, selection, british_);
    EXPECT_EQ(lines[2], QStringLiteral("Absorber #1:  <b>Water</b> phantom"));
    EXPECT_EQ(lines[6], QStringLiteral("Photon attenuation coefficients in units cm²/g, "));
    const QString row = lines.last();
    // Columns 2 to 6 hold one blank each, padded to the next column.
    EXPECT_EQ(row.size(), 61);
    EXPECT_EQ(row.mid(20), QString(41, ' '));
}

TEST_F(Reports, EnergyIsAccumulatedSoTheLastRowCanFallShort)
{
    ReportSelection selection = Only({0});
    selection.from = 1.0f;
    selection.to = 2.0f;
    selection.interval = 0.1f;
    const QStringList lines = CoefficientReport(sets_, selection, german_);
    const qsizetype firstRow = lines.indexOf(QString(62, '-')) + 1;
    ASSERT_EQ(lines.size() - firstRow, 10);
    EXPECT_TRUE(lines[firstRow].startsWith(QStringLiteral("1,00E+0   ")));
    EXPECT_TRUE(lines.last().startsWith(QStringLiteral("1,90E+0   ")));
    EXPECT_EQ(ReportPointCount(1.0L, 2.0L, 0.1L), 11);
}

TEST_F(Reports, NoRowsForAnIntervalThatDoesNotAdvance)
{
    ReportSelection selection;
    selection.from = 1.0f;
    selection.to = 2.0f;
    for (const float interval : {0.0f, -1.0f, std::numeric_limits<float>::quiet_NaN()}) {
        selection.interval = interval;
        const QStringList lines = CoefficientReport(sets_, selection, british_);
        EXPECT_EQ(lines.last(), QString(62, '-'));
    }
}

// A fine grid's rows go to the sink as they are made: the heap in use when
// the last row arrives is the heap of a few rows, not of the whole report
// (200 000 rows of some 180 bytes each would be 36 MB). The allocator's own
// count is read; a sanitizer's allocator reports none, and then nothing is
// measured.
TEST_F(Reports, CoefficientRowsAreStreamedNotCollected)
{
    ReportSelection selection = Only({0, 2});
    selection.from = 1.0f;
    selection.to = 50000.0f;
    selection.interval = 0.25f;
    const std::size_t before = mallinfo2().uordblks;
    std::size_t rows = 0;
    std::size_t mostInUse = 0;
    ASSERT_TRUE(CoefficientReport(sets_, selection, british_, [&](const QString &) {
        if (++rows % 1000 == 0)
            mostInUse = std::max(mostInUse, mallinfo2().uordblks);
        return true;
    }));
    EXPECT_GT(rows, 199000U);
    EXPECT_LT(mostInUse, before + 1024 * 1024);
}

TEST_F(Reports, SavedLinesHaveNoMarkupAndPrintedLinesTheirMargins)
{
    ReportSelection selection;
    selection.from = 10.0f;
    selection.to = 10.0f;
    const QStringList saved = SavedReportLines(sets_, selection, british_);
    const QStringList composition = AbsorberListReport(sets_, selection, british_);
    const QStringList coefficients = CoefficientReport(sets_, selection, british_);
    ASSERT_EQ(saved.size(), composition.size() + coefficients.size());
    EXPECT_EQ(saved[2], QStringLiteral("Absorber #1: Water phantom"));
    // Symbol-font letters as the graph draws them: mu, rho.
    EXPECT_TRUE(saved.contains(QStringLiteral("Absorber #3: \u03BCen/\u03C1 of PMMA")));
    for (const QString &line : saved)
        EXPECT_FALSE(line.contains(QLatin1Char('<'))) << line.toStdString();
    EXPECT_EQ(saved[composition.size()], coefficients[0]);

    const QStringList printed = PrintedReportLines(sets_, selection, british_);
    ASSERT_EQ(printed.size(), saved.size());
    EXPECT_EQ(printed[2], QStringLiteral("     Absorber #1: Water phantom"));
    EXPECT_EQ(printed[composition.size()], QStringLiteral("      ") + saved[composition.size()]);

    selection.absorberComposition = false;
    EXPECT_EQ(SavedReportLines(sets_, selection, british_).first(), coefficients.first());
    selection.absorptionCoefficients = false;
    EXPECT_TRUE(SavedReportLines(sets_, selection, british_).isEmpty());
}

TEST(ReportFile, UnicodeLinesWithCrLf)
{
    const QByteArray bytes = SavedReportBytes({QStringLiteral("cm²/g"), QStringLiteral(" ")});
    EXPECT_EQ(bytes, QByteArray("cm\xC2\xB2/g\r\n \r\n"));
    EXPECT_TRUE(SavedReportBytes({}).isEmpty());
}

// A legend typed with a line break stays one line of the CR LF file.
TEST(ReportFile, LineBreaksInsideALineBecomeBlanks)
{
    struct Row
    {
        QString line;
        QByteArray bytes;
    };
    for (const Row &row :
         {Row{QStringLiteral(" Lead\nshield"), " Lead shield\r\n"}, Row{QStringLiteral(" a\r\nb"), " a  b\r\n"},
          Row{QStringLiteral("a\rb"), "a b\r\n"}, Row{QStringLiteral("a\u2028b"), "a b\r\n"}}) {
        EXPECT_EQ(SavedReportBytes({row.line}), row.bytes) << row.line.toStdString();
    }
}

TEST(ReportGridChecks, TwoDecimalsHalvesToEvenAndThePointCount)
{
    const auto rounded = [](long double value) { return static_cast<double>(RoundToHundredths(value)); };
    EXPECT_DOUBLE_EQ(rounded(0.125L), 0.12);
    EXPECT_DOUBLE_EQ(rounded(0.375L), 0.38);
    EXPECT_DOUBLE_EQ(rounded(1.004L), 1.0);
    EXPECT_DOUBLE_EQ(rounded(-2.5051L), -2.51);
    EXPECT_DOUBLE_EQ(rounded(50000.0L), 50000.0);
    EXPECT_EQ(ReportPointCount(1.0L, 100.0L, 0.5L), 199);
    EXPECT_EQ(ReportPointCount(100.0L, 10.0L, 1.0L), 0);
    EXPECT_EQ(ReportPointCount(10.0L, 30.0L, 10.0L), 3);
    EXPECT_EQ(ReportPointCount(1.0L, 50000.0L, 0.0L), std::numeric_limits<int>::max());
}

} // namespace

namespace {

// Columns count the characters a reader sees: a name with an entity, a
// Symbol-font letter or a letter beyond ASCII (two bytes in UTF-8) still
// puts its weight in column 46.
TEST_F(Reports, ColumnsCountTheCharactersShownNotBytesOrMarkup)
{
    for (const QString &name : {QStringLiteral("Lead &amp; tin"), QStringLiteral("<sym>r</sym>-phantom"),
                                QStringLiteral("Gewebe, weich (\u00E4\u00F6\u00FC)")}) {
        CompoundLibrary library;
        library.Append(name, MakeCompound(1.0f, {{1, 1.0f}}));
        DataSets sets;
        sets[0].AbsorberName[0] = name;
        sets[0].RelWeight[0] = 3.0L;
        sets[0].UpdateComposition(library);
        const QStringList saved = SavedReportLines(sets, Only({0}), british_);
        const QString shown = PlainTextOfMarkup(name);
        const auto line =
            std::find_if(saved.begin(), saved.end(), [&](const QString &l) { return l.startsWith(shown); });
        ASSERT_NE(line, saved.end()) << name.toStdString();
        EXPECT_EQ(*line, PadRight(shown, 45) + "3") << name.toStdString();
        EXPECT_EQ(line->indexOf('3'), 45);
    }
}

} // namespace
