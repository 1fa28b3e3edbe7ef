// What the "Coefficient Data" table shows, apart from any widget: the energy
// grid as "Apply" corrects it, the header rows, and the rows of energies and
// coefficients of the six data sets, as texts. The dialog paints them; Copy
// hands them to other programs as tab-separated text.
#pragma once

#include "absorber/data_set_list.h"

#include <QLocale>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

inline constexpr int kCoeffTableColumns = 1 + DataSets::kCount; // energy, then data sets 1..6
inline constexpr int kCoeffTableHeaderRows = 2;
inline constexpr int kCoeffTableMaxRows = 100;

// The energy grid in keV as the three fields give it.
struct CoeffTableGrid
{
    long double from = 1.0L;
    long double to = 1.0L;
    long double interval = 1.0L;
    friend bool operator==(const CoeffTableGrid &, const CoeffTableGrid &) = default;
};

// The grid "Apply" works on: "from" below 1 keV (or no number) becomes 1,
// above 50000 keV 50000; "to" above 50000 becomes 50000, below "from" equal
// to it; an interval that is not above 0 becomes 0.01 keV.
CoeffTableGrid CorrectedGrid(CoeffTableGrid grid);

using CoeffTableRow = std::array<QString, kCoeffTableColumns>;

// Row 0: "  Energy", then "   # 1:" to "   # 6:".
CoeffTableRow CoeffTableTitleRow();
// Row 1: "   (keV)", then the legends of the data sets as markup.
CoeffTableRow CoeffTableLegendRow(const DataSets &sets);

// Whether any data set has a coefficient type other than "(none)"; without
// one "Apply" fills nothing.
bool AnyCoefficientType(const DataSets &sets);

// The data rows: from "from" upwards by repeated addition of the interval in
// extended precision while the energy does not exceed "to", at most 100 rows.
// Each row holds the energy (1.50E+2) and, for every data set in use, its
// coefficient in cm2/g (2.153E-2) where it is above 0; other cells are empty.
// The grid is taken as it is: correct it first.
std::vector<CoeffTableRow> CoeffTableRows(const DataSets &sets, const CoeffTableGrid &grid, const QLocale &locale);

// The rows as lines of tab-separated cells, each cell without markup and
// without the blanks that align it on screen.
QString TabSeparatedText(const std::vector<CoeffTableRow> &rows);

// A markup text cut to fit `width` pixels as `measure` finds it: characters
// go from its end until it fits, then its last two become "..". A text that
// fits stays whole.
QString CutToWidth(const QString &markup, int width, const std::function<int(const QString &)> &measure);
