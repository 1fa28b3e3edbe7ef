// A material described by its parts, as every front end describes one:
// library entries, chemical formulas and mass fractions given outright, each
// with a relative weight, mixed as the data setup dialog mixes entries.
// Formulas and mass fractions make records of their own. Refusals throw
// InputError naming the field at fault.
#pragma once

#include "absorber/compound.h"
#include "absorber/data_set.h"
#include "absorber/material/loaded_library.h"

#include <QString>

#include <utility>
#include <vector>

namespace pheltra {

struct MaterialPart
{
    QString name; // as the composition lists it: the entry's name or the formula
    TCompound compound;
    long double weight = 1.0L;
};

// NAME[:WEIGHT] of a library entry, found as ParseAbsorber finds it.
MaterialPart LibraryPart(const QString &text, const LoadedLibrary &library);
// FORMULA[:WEIGHT]: a formula never holds a colon. The formula's fault is
// said of Field::Formula ("'H2Xx': unknown element 'Xx' at 3").
MaterialPart FormulaPart(const QString &text);
// A record of its own under a name, with a relative weight checked as the
// weights of library entries are.
MaterialPart OwnPart(const QString &name, const TCompound &compound, long double weight);

// Mass fractions {Z: weight}, in the order given, as a record of its own
// with density (g/cm3; not above 0: none). Refused (Field::Weights): no
// element, more than TCompound::kSlotCount, an atomic number outside 1..99,
// a weight not above 0, or weights that do not add up to 1 within 1 %.
TCompound WeightsCompound(const std::vector<std::pair<int, double>> &weights, float density);

// Fills set as FillDataSet does from library entries (at most six parts,
// the type offered by the source), then names its slots after the parts.
void FillDataSetFromParts(TCmpDataSet &set, const std::vector<MaterialPart> &parts, int source, int type,
                          const QString &legend);

} // namespace pheltra
