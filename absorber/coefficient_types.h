// The fifteen coefficient types a data set can plot, in the order of the
// program's coefficient-type list. A data set stores the index (CoeffType);
// the data libraries are asked for the matching LibraryKind. Dialogs, reports,
// the batch tool and the Python module all take names and kinds from this one
// table: the window's texts, and the short names scripts type (mu, mu_en).
#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <cstdint>

inline constexpr int kCoeffTypeCount = 15;

// CoeffType indices with a meaning of their own.
inline constexpr int kCoeffTypeNone = 0;             // "(none)": nothing is plotted
inline constexpr int kCoeffTypeAttenuationTotal = 1; // what a new data set plots
inline constexpr int kCoeffTypeEnergyAbsorptionTotal = 11;

// LibraryKind of "(none)": the libraries are not asked at all.
inline constexpr std::int32_t kNoLibraryKind = -1;

struct CoefficientType
{
    const char *name;         // list item and report text, exactly as shown
    const char *shortName;    // for scripts: mu, mu_<process>, mu_tr..., mu_en...; "" for "(none)"
    std::int32_t libraryKind; // third argument of GetMuCoeffB / GetMuCoeffH
};

// Indexed by CoeffType. The kinds skip the library's slots that no type asks
// for (6, 7, 10, 13..15, 18, 21): the library's 22 slots hold three groups of
// processes, not all of which the program plots.
inline constexpr std::array<CoefficientType, kCoeffTypeCount> kCoefficientTypes{{
    {"(none)", "", kNoLibraryKind},
    {"attenuation-total", "mu", 0},
    {"attenuation-p.e.", "mu_pe", 1},
    {"attenuation-Rayleigh", "mu_coh", 2},
    {"attenuation-Compton", "mu_incoh", 3},
    {"attenuation-pair", "mu_pair", 4},
    {"attenuation-triplet", "mu_trip", 5},
    {"energy transfer-total", "mu_tr", 8},
    {"energy transfer-p.e.", "mu_tr_pe", 9},
    {"energy transfer-Compton", "mu_tr_incoh", 11},
    {"energy transfer-pair", "mu_tr_pair", 12},
    {"energy absorption-total", "mu_en", 16},
    {"energy absorption-p.e.", "mu_en_pe", 17},
    {"energy absorption-Compton", "mu_en_incoh", 19},
    {"energy absorption-pair", "mu_en_pair", 20},
}};

inline constexpr bool IsValidCoeffType(int type)
{
    return type >= 0 && type < kCoeffTypeCount;
}

// The library kind of a type; kNoLibraryKind for "(none)" and for an index
// outside the table.
inline constexpr std::int32_t LibraryKind(int type)
{
    return IsValidCoeffType(type) ? kCoefficientTypes[static_cast<std::size_t>(type)].libraryKind : kNoLibraryKind;
}

// The quantity a type belongs to: the types 1 to 6 are parts of the mass
// attenuation coefficient, 7 to 10 of the mass energy-transfer coefficient,
// 11 to 14 of the mass energy-absorption coefficient; "(none)" and an index
// outside the table belong to none.
enum class CoefficientQuantity : std::uint8_t { kNone, kAttenuation, kEnergyTransfer, kEnergyAbsorption };
inline constexpr CoefficientQuantity QuantityOf(int type)
{
    if (!IsValidCoeffType(type) || type == kCoeffTypeNone)
        return CoefficientQuantity::kNone;
    if (type < 7)
        return CoefficientQuantity::kAttenuation;
    return type < kCoeffTypeEnergyAbsorptionTotal ? CoefficientQuantity::kEnergyTransfer
                                                  : CoefficientQuantity::kEnergyAbsorption;
}

// The name of a type as lists and reports show it; empty outside the table.
QString CoeffTypeName(int type);
// The short name of a type ("mu_en"); empty for "(none)" and outside the
// table.
QString CoeffTypeShortName(int type);

// The type whose name or short name equals name ignoring case, or -1.
int FindCoeffType(QStringView name);
