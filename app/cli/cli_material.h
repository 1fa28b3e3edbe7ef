// Materials beyond the library's entries: a chemical formula, or weight
// fractions given outright, make a record of their own, which mixes with
// library entries by relative weight as the data setup dialog mixes entries.
// The batch tool and the Python module build their materials here.
#pragma once

#include "app/cli/cli_data_sets.h"

#include <vector>

struct MaterialPart
{
    QString name; // as the composition lists it: the entry's name or the formula
    TCompound compound;
    long double weight = 1.0L;
};

// NAME[:WEIGHT] of a library entry, found as ParseAbsorber finds it.
MaterialPart LibraryPart(const QString &text, const LoadedLibrary &library);
// FORMULA[:WEIGHT]: a formula never holds a colon. Throws CliError with the
// formula's fault ("--formula 'H2Xx': unknown element 'Xx' at 3").
MaterialPart FormulaPart(const QString &text);
// A record of its own under a name, with a relative weight checked as the
// weights of library entries are.
MaterialPart OwnPart(const QString &name, const TCompound &compound, long double weight);

// Fills set as FillDataSet does from library entries (at most six parts,
// the type offered by the source), then names its slots after the parts.
void FillDataSetFromParts(TCmpDataSet &set, const std::vector<MaterialPart> &parts, int source, int type,
                          const QString &legend);

// A density given for the whole material (g/cm3), above 0 and at most
// kMaxDensity; what throws names option ("--density").
inline constexpr long double kMaxDensity = 1000.0L;
long double CheckedDensity(long double density, const QString &option);
// The material's density replaced, as for a pressed powder or a gas at
// another pressure: Density and ElectronsPerCm3 follow it.
void OverrideDensity(TCmpDataSet &set, long double density);
// Throws unless the material has a density (slab quantities need one).
void RequireDensity(const TCmpDataSet &set);
