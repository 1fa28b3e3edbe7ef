#include "app/viewdialogs/coefficient_table.h"

#include "app/reports/number_format.h"
#include "graph/rich_text.h"

namespace {

constexpr long double kLowestEnergy = kEnergyRangeMin;
constexpr long double kHighestEnergy = kEnergyRangeMax;
constexpr long double kSmallestInterval = 0.01L; // keV

constexpr int kEnergyDigits = 3;
constexpr int kValueDigits = 4;
constexpr int kExponentDigits = 1;

} // namespace

CoeffTableGrid CorrectedGrid(CoeffTableGrid grid)
{
    if (!(grid.from >= kLowestEnergy))
        grid.from = kLowestEnergy;
    else if (grid.from > kHighestEnergy)
        grid.from = kHighestEnergy;
    if (grid.to > kHighestEnergy)
        grid.to = kHighestEnergy;
    // Also a "to" that is no number at all: one row at "from".
    if (!(grid.to >= grid.from))
        grid.to = grid.from;
    if (!(grid.interval > 0.0L))
        grid.interval = kSmallestInterval;
    return grid;
}

CoeffTableRow CoeffTableTitleRow()
{
    CoeffTableRow row;
    row[0] = QStringLiteral("  Energy");
    for (int i = 1; i < kCoeffTableColumns; ++i)
        row[static_cast<std::size_t>(i)] = QStringLiteral("   # %1:").arg(i);
    return row;
}

CoeffTableRow CoeffTableLegendRow(const DataSets &sets)
{
    CoeffTableRow row;
    row[0] = QStringLiteral("   (keV)");
    for (int i = 0; i < DataSets::kCount; ++i)
        row[static_cast<std::size_t>(i + 1)] = sets[i].Legend;
    return row;
}

bool AnyCoefficientType(const DataSets &sets)
{
    for (const TCmpDataSet &set : sets) {
        if (set.CoeffType > kCoeffTypeNone)
            return true;
    }
    return false;
}

std::vector<CoeffTableRow> CoeffTableRows(const DataSets &sets, const CoeffTableGrid &grid, const QLocale &locale)
{
    std::vector<CoeffTableRow> rows;
    for (long double energy = grid.from; energy <= grid.to && rows.size() < std::size_t{kCoeffTableMaxRows};
         energy += grid.interval) {
        CoeffTableRow &row = rows.emplace_back();
        row[0] = FormatScientific(energy, kEnergyDigits, kExponentDigits, locale);
        for (int i = 0; i < DataSets::kCount; ++i) {
            if (!sets[i].InUse())
                continue;
            const long double value = sets[i].CoefficientAt(energy);
            if (value > 0.0L)
                row[static_cast<std::size_t>(i + 1)] = FormatScientific(value, kValueDigits, kExponentDigits, locale);
        }
    }
    return rows;
}

QString TabSeparatedText(const std::vector<CoeffTableRow> &rows)
{
    QString text;
    for (const CoeffTableRow &row : rows) {
        QStringList cells;
        for (const QString &cell : row)
            cells.append(PlainTextOfMarkup(cell).trimmed());
        text += cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    }
    return text;
}

namespace {

// Takes the last visible character of the runs away; false when none is left.
bool ChopLastCharacter(TRunList &runs)
{
    for (std::size_t i = runs.size(); i-- > 1;) {
        QString &text = runs[i].Text;
        if (text.isEmpty())
            continue;
        const bool pair = text.size() > 1 && text.back().isLowSurrogate() && text[text.size() - 2].isHighSurrogate();
        text.chop(pair ? 2 : 1);
        return true;
    }
    return false;
}

} // namespace

QString CutToWidth(const QString &markup, int width, const std::function<int(const QString &)> &measure)
{
    if (measure(markup) <= width)
        return markup;
    // Characters go as the reader sees them: a tag or an entity is never cut
    // in two, so the ".." always shows.
    TRunList runs;
    ParseRichText(markup, QString(), 0, runs);
    while (measure(RunsToMarkup(runs)) > width && ChopLastCharacter(runs)) { }
    ChopLastCharacter(runs);
    ChopLastCharacter(runs);
    // The ".." takes the place of the last two characters, in their run.
    std::size_t last = runs.size() - 1;
    while (last > 1 && runs[last].Text.isEmpty())
        --last;
    if (last < 1) {
        runs.push_back(runs.front());
        last = 1;
    }
    runs[last].Text += QStringLiteral("..");
    return RunsToMarkup(runs);
}
