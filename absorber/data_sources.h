// The two data sources a data set can take its coefficients from, in the
// order of the program's data-source list. A data set stores the index
// (DataSource). Each source is one attenuation library with its own list of
// the coefficient types it offers; the data setup dialog shows that list, the
// reports print the source's text, and the evaluation calls its library.
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <array>
#include <cstdint>
#include <span>

inline constexpr int kDataSourceCount = 2;

// The photon energies, keV, that the graph's full scale, the coefficient
// table, the reports and the batch tool span: from 1 keV up to 50 000 keV,
// where source B's tables end.
inline constexpr double kEnergyRangeMin = 1.0;
inline constexpr double kEnergyRangeMax = 50000.0;
inline constexpr int kDataSourceH = 0; // Selquin (libselquin.so)
inline constexpr int kDataSourceB = 1; // Vornak (libvornak.so), what a new data set uses

struct DataSourceInfo
{
    using CoefficientFunction = double (*)(std::int32_t Z, double energy, std::int32_t kind);
    using EdgeFunction = double (*)(std::int32_t Z, std::int32_t n);

    const char *text;        // list item and report text, exactly as shown
    const char *letter;      // "H" or "B", how the README and the batch tool name it
    const char *libraryName; // "Selquin" or "Vornak"
    // The CoeffType of each list position: the coefficient-type list the data
    // setup dialog shows while this source is chosen.
    std::span<const std::int8_t> offeredTypes;
    CoefficientFunction coefficient; // GetMuCoeffH or GetMuCoeffB
    EdgeFunction absorptionEdge;     // GetAbsEdgeH or GetAbsEdgeB
};

inline constexpr bool IsValidDataSource(int source)
{
    return source >= 0 && source < kDataSourceCount;
}

// The source of an index; the index must be valid.
const DataSourceInfo &DataSourceAt(int source);

// The texts of the data-source list, in index order.
QStringList DataSourceTexts();

// The source whose letter ("H", "B") or whole text equals text ignoring case,
// or -1.
int FindDataSource(QStringView text);

// Whether the source offers the type (an invalid source offers nothing).
bool SourceOffers(int source, int type);

// The names of the types the source offers, in list order: the items of the
// coefficient-type list while the source is chosen.
QStringList CoeffTypeNames(int source);

// List position of a type in the source's list, or -1 when not offered.
int CoeffTypeListPosition(int source, int type);

// The type a data set keeps when its source becomes `source`: the same type
// where the source offers it, "(none)" where it does not. Both sources list
// "(none)" and "attenuation-total" first, so those keep their list position;
// energy absorption moves between its places in the two lists.
int CoeffTypeUnderSource(int source, int type);

// The type at a list position of the source's list, or -1 outside the list.
int CoeffTypeAtListPosition(int source, int position);
