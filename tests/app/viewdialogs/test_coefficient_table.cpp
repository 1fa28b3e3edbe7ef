// The coefficient table's grid corrections, rows, header rows, copied text
// and the cut of a legend that is too wide, apart from any widget.
#include "app/viewdialogs/coefficient_table.h"

#include "tests/app/support/test_data_sets.h"
#include "graph/rich_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QLocale kC = QLocale::c();

QStringList Column(const std::vector<CoeffTableRow> &rows, std::size_t column)
{
    QStringList texts;
    for (const CoeffTableRow &row : rows)
        texts.append(row[column]);
    return texts;
}

TEST(CoeffTableGridCorrection, BoundsOfTheFields)
{
    using Grid = CoeffTableGrid;
    EXPECT_EQ(CorrectedGrid({1, 10, 1}), (Grid{1, 10, 1}));
    EXPECT_EQ(CorrectedGrid({60000, 70000, 1}), (Grid{50000, 50000, 1}));
    EXPECT_EQ(CorrectedGrid({0.5L, 10, 1}), (Grid{1, 10, 1}));
    EXPECT_EQ(CorrectedGrid({-3, 10, 1}), (Grid{1, 10, 1}));
    EXPECT_EQ(CorrectedGrid({20, 5, 1}), (Grid{20, 20, 1}));
    // "to" is checked against the corrected "from".
    EXPECT_EQ(CorrectedGrid({60000, 40000, 1}), (Grid{50000, 50000, 1}));
    EXPECT_EQ(CorrectedGrid({1, 10, 0}), (Grid{1, 10, 0.01L}));
    EXPECT_EQ(CorrectedGrid({1, 10, -3}), (Grid{1, 10, 0.01L}));
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    EXPECT_EQ(CorrectedGrid({nan, nan, nan}), (Grid{1, 1, 0.01L}));
}

class CoeffTableRowsTest : public ::testing::Test
{
protected:
    CoeffTableRowsTest()
    {
        sets[0] = WaterDataSet(kDataSourceH);
        sets[0].Legend = QStringLiteral(" water");
        sets[2] = ElementsDataSet({82});
        sets[2].Legend = QStringLiteral(" lead");
    }
    std::vector<CoeffTableRow> Rows(long double from, long double to, long double interval) const
    {
        return CoeffTableRows(sets, CorrectedGrid({from, to, interval}), kC);
    }
    DataSets sets;
};

TEST_F(CoeffTableRowsTest, EnergiesByRepeatedAddition)
{
    const auto ten = Rows(1, 10, 1);
    ASSERT_EQ(ten.size(), 10u);
    EXPECT_EQ(ten.front()[0], QStringLiteral("1.00E+0"));
    EXPECT_EQ(ten.back()[0], QStringLiteral("1.00E+1"));
    EXPECT_EQ(Column(Rows(1, 10, 4), 0), QStringList({"1.00E+0", "5.00E+0", "9.00E+0"}));
    const auto hundred = Rows(1, 1000, 1);
    ASSERT_EQ(hundred.size(), 100u);
    EXPECT_EQ(hundred.back()[0], QStringLiteral("1.00E+2"));
    EXPECT_EQ(Column(Rows(20, 5, 1), 0), QStringList{"2.00E+1"});
    // An interval of 0 becomes 0.01 keV: 101 energies from 1 to 2, cut at 100.
    const auto fine = Rows(1, 2, 0);
    ASSERT_EQ(fine.size(), 100u);
    EXPECT_EQ(fine[1][0], QStringLiteral("1.01E+0"));
    EXPECT_EQ(fine.back()[0], QStringLiteral("1.99E+0"));
    EXPECT_EQ(Column(Rows(150, 150, 1), 0), QStringList{"1.50E+2"});
}

TEST_F(CoeffTableRowsTest, ValuesOfTheDataSetsInUse)
{
    // Water of source H at 10 and 100 keV: 5.329 and 0.1707 cm2/g, as in
    // the NIST tables of X-ray mass attenuation coefficients.
    const auto rows = Rows(10, 100, 90);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][1], QStringLiteral("5.329E+0"));
    EXPECT_EQ(rows[1][1], QStringLiteral("1.707E-1"));
    for (const CoeffTableRow &row : rows) {
        EXPECT_EQ(row[2], QString());
        EXPECT_FALSE(row[3].isEmpty());
        for (std::size_t column = 4; column < row.size(); ++column)
            EXPECT_EQ(row[column], QString()) << column;
    }
    EXPECT_EQ(rows[1][3], QStringLiteral("5.545E+0"));
    // The user's decimal separator.
    EXPECT_EQ(CoeffTableRows(sets, {100, 100, 1}, QLocale(QLocale::German))[0][1], QStringLiteral("1,707E-1"));
}

TEST_F(CoeffTableRowsTest, SourceHEndsAt20000keV)
{
    const auto rows = Rows(50000, 60000, 7);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], QStringLiteral("5.00E+4"));
    EXPECT_EQ(rows[0][1], QString());
    EXPECT_EQ(rows[0][3], QStringLiteral("8.053E-2"));
}

TEST_F(CoeffTableRowsTest, TypeNoneLeavesItsColumnEmpty)
{
    sets[0].CoeffType = kCoeffTypeNone;
    EXPECT_TRUE(AnyCoefficientType(sets));
    const auto rows = Rows(1, 3, 1);
    EXPECT_EQ(Column(rows, 1), QStringList({"", "", ""}));
    EXPECT_EQ(Column(rows, 3).count(QString()), 0);

    // A data set not in use counts with its type: a new one plots the total
    // attenuation. Only all six at "(none)" fill nothing.
    for (TCmpDataSet &set : sets)
        set.CoeffType = kCoeffTypeNone;
    EXPECT_FALSE(AnyCoefficientType(sets));
    sets[5].CoeffType = kCoeffTypeAttenuationTotal;
    EXPECT_TRUE(AnyCoefficientType(sets));
}

TEST(CoeffTableHeader, TitlesAndLegends)
{
    DataSets sets;
    sets[1].Legend = QStringLiteral(" <sym>m</sym> water");
    const CoeffTableRow titles = CoeffTableTitleRow();
    EXPECT_EQ(titles[0], QStringLiteral("  Energy"));
    EXPECT_EQ(titles[1], QStringLiteral("   # 1:"));
    EXPECT_EQ(titles[6], QStringLiteral("   # 6:"));
    const CoeffTableRow legends = CoeffTableLegendRow(sets);
    EXPECT_EQ(legends[0], QStringLiteral("   (keV)"));
    EXPECT_EQ(legends[1], QStringLiteral(" "));
    EXPECT_EQ(legends[2], QStringLiteral(" <sym>m</sym> water"));
}

TEST(CoeffTableCopy, TabSeparatedWithoutMarkupOrAlignment)
{
    DataSets sets;
    sets[0].Legend = QStringLiteral(" <sym>m</sym>/<sym>r</sym> of H<SUB>2</SUB>O &lt;1&gt;");
    CoeffTableRow data;
    data[0] = QStringLiteral("1.00E+0");
    data[1] = QStringLiteral("4.077E+3");
    const QString text = TabSeparatedText({CoeffTableTitleRow(), CoeffTableLegendRow(sets), data});
    const QStringList lines = text.split(u'\n');
    ASSERT_EQ(lines.size(), 4); // three lines, each ended
    EXPECT_EQ(lines[0], QStringLiteral("Energy\t# 1:\t# 2:\t# 3:\t# 4:\t# 5:\t# 6:"));
    // Symbol-font letters as the graph draws them, entities as characters.
    EXPECT_EQ(lines[1], QStringLiteral("(keV)\t\u03BC/\u03C1 of H2O <1>\t\t\t\t\t"));
    EXPECT_EQ(lines[2], QStringLiteral("1.00E+0\t4.077E+3\t\t\t\t\t"));
    EXPECT_EQ(lines[3], QString());
}

TEST(CoeffTableLegendCut, CharactersGoFromTheEndThenTwoDots)
{
    const auto characters = [](const QString &text) { return static_cast<int>(text.size()); };
    EXPECT_EQ(CutToWidth(QStringLiteral("abcdef"), 6, characters), QStringLiteral("abcdef"));
    EXPECT_EQ(CutToWidth(QStringLiteral("abcdefgh"), 6, characters), QStringLiteral("abcd.."));
    EXPECT_EQ(CutToWidth(QStringLiteral("abc"), 0, characters), QStringLiteral(".."));
}

// The visible characters of a markup text, as the table draws it.
int VisibleCharacters(const QString &markup)
{
    TRunList runs;
    ParseRichText(markup, QStringLiteral("Arial"), 0, runs);
    int count = 0;
    for (std::size_t i = 1; i < runs.size(); ++i)
        count += static_cast<int>(runs[i].Text.size());
    return count;
}

// A cut never splits a tag or an entity, so the ".." always shows, and the
// characters kept keep their fonts.
TEST(CoeffTableLegendCut, AMarkupLegendCutAnywhereEndsInTwoDots)
{
    const QString legend = QStringLiteral("Pb <b>bold</b> <i>ital</i> <u>und</u> x<sup>2</sup> &amp; &#65;");
    const QString shown = QStringLiteral("Pb bold ital und x2 & A");
    ASSERT_EQ(VisibleCharacters(legend), shown.size());
    EXPECT_EQ(CutToWidth(legend, int(shown.size()), VisibleCharacters), legend);
    for (int width = 2; width < shown.size(); ++width) {
        const QString cut = CutToWidth(legend, width, VisibleCharacters);
        const QString plain = PlainTextOfMarkup(cut);
        EXPECT_EQ(plain, shown.left(width - 2) + QStringLiteral("..")) << width << ": " << cut.toStdString();
    }
    // "Pb **bold** *ital* u..": the bold and italic runs stay bold and italic.
    const QString cut = CutToWidth(legend, 16, VisibleCharacters);
    TRunList runs;
    ParseRichText(cut, QStringLiteral("Arial"), 0, runs);
    std::vector<TTextElement> visible;
    for (std::size_t i = 1; i < runs.size(); ++i)
        if (!runs[i].Text.isEmpty())
            visible.push_back(runs[i]);
    ASSERT_GE(visible.size(), 6u);
    EXPECT_EQ(visible[1].Text, "bold");
    EXPECT_EQ(visible[1].FontStyle, fsBold);
    EXPECT_EQ(visible[3].Text, "ital");
    EXPECT_EQ(visible[3].FontStyle, fsItalic);
    EXPECT_EQ(visible.back().Text, "u..");
    EXPECT_EQ(visible.back().FontStyle, fsUnderline);
    // Cut inside a Symbol run and an entity.
    EXPECT_EQ(PlainTextOfMarkup(CutToWidth(QStringLiteral("<sym>abcd</sym>&amp;&amp;&amp;"), 4, VisibleCharacters)),
              QStringLiteral("\u03B1\u03B2.."));
}

} // namespace
