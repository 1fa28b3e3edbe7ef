// The read-out of the main window's graph: the photon energy under the
// cursor and, for every plotted data set, its coefficient at that energy
// computed with CoefficientAt (never read off the picture). Within a pixel of
// an absorption edge of a data set's elements it gives both sides of the
// edge and the edge's name. Texts only: the graph draws them.
#pragma once

#include "absorber/data_set_list.h"

#include <QColor>
#include <QLocale>
#include <QString>

#include <array>
#include <vector>

// One plotted data set in the read-out.
struct TReadoutEntry
{
    int Slot = 0; // curve 1..6
    QColor Colour;
    QString Legend; // the data set's legend markup, as the legend box shows it
    QString Value;  // markup: "0.2059 cm²/g", or both sides of an edge and its name
};

struct TReadout
{
    QString Energy; // "88.29 keV"
    std::vector<TReadoutEntry> Entries;
};

// A value with four significant digits and the locale's decimal separator,
// no digit grouping: fixed from 0.001 to below 10^6 ("88.29", "0.02059",
// "1234", "12350"), otherwise a mantissa times a power of ten in graph
// markup ("1.000×10<sup>9</sup>"). "--" for a value that is not
// above 0 (no value, or none can be computed).
QString ReadoutNumber(double v, const QLocale &locale);

// The name of edge k (1 = the highest) of element Z at `energy` keV: the
// element's symbol and the shell whose edge in the shell data lies nearest,
// "Pb K", "Pb L3"; the k-th shell of K, L1..L3, M1..M5, N1..N3 when the shell
// data have none near.
QString EdgeName(int z, int k, float energy);

// The read-out at `energy` keV for the data sets whose curves are plotted
// (`plotted`, by slot 1..6 at index 0..5). An edge counts as under the
// cursor when it lies in nearLow..nearHigh (the energies one pixel either
// side); of several, the one nearest to `energy`. Below an edge is 0.001 keV
// under it, as the curve is drawn; above is at the edge.
TReadout GraphReadout(const DataSets &sets, const std::array<bool, DataSets::kCount> &plotted, double energy,
                      double nearLow, double nearHigh, const QLocale &locale = QLocale());
