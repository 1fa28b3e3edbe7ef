// Data sets for the view dialogs' checks, composed from library entries the
// way the data setup dialog composes them.
#pragma once

#include "absorber/compound_library.h"
#include "absorber/data_set.h"
#include "tests/support/compound_records.h"

// Liquid water: H 0.111898, O 0.888102 by weight, density 1.
inline TCompound Water() { return MakeCompound(1.0f, {{1, 0.111898f}, {8, 0.888102f}}); }
inline TCompound Lead() { return MakeCompound(11.35f, {{82, 1.0f}}); }

// A data set of one entry, relative weight 1, with its legend.
inline TCmpDataSet DataSetOf(const TCompound &entry, int source, int type, const QString &legend)
{
    CompoundLibrary library;
    library.Append(QStringLiteral("entry"), entry);
    TCmpDataSet set;
    set.DataSource = static_cast<std::uint8_t>(source);
    set.CoeffType = static_cast<std::int8_t>(type);
    set.AbsorberName[0] = QStringLiteral("entry");
    set.RelWeight[0] = 1;
    set.Legend = legend;
    set.UpdateComposition(library);
    return set;
}
