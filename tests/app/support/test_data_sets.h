// Data sets for the main window's checks, composed as the data setup dialog
// composes them: liquid water, and mixtures of pure elements in equal
// weights.
#pragma once

#include "absorber/compound_library.h"
#include "absorber/data_set.h"

#include <initializer_list>

// A data set of one library entry, relative weight 1.
inline TCmpDataSet DataSetOf(const TCompound &entry, int source)
{
    CompoundLibrary library;
    library.Append(QStringLiteral("entry"), entry);
    TCmpDataSet set;
    set.DataSource = static_cast<std::uint8_t>(source);
    set.AbsorberName[0] = QStringLiteral("entry");
    set.RelWeight[0] = 1;
    set.UpdateComposition(library);
    return set;
}

// Liquid water: H 0.111898, O 0.888102 by weight, density 1.
inline TCmpDataSet WaterDataSet(int source = kDataSourceB)
{
    TCompound water;
    water.Clear();
    water.Z[0] = 1;
    water.Weight[0] = 0.111898f;
    water.Z[1] = 8;
    water.Weight[1] = 0.888102f;
    water.Density = 1.0f;
    return DataSetOf(water, source);
}

// Up to fourteen pure elements in equal weights.
inline TCmpDataSet ElementsDataSet(std::initializer_list<int> atomicNumbers, int source = kDataSourceB)
{
    TCompound mix;
    mix.Clear();
    std::size_t i = 0;
    for (const int z : atomicNumbers) {
        mix.Z[i] = z;
        mix.Weight[i] = 1.0f / static_cast<float>(atomicNumbers.size());
        ++i;
    }
    return DataSetOf(mix, source);
}
