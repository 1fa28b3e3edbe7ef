// Library records for tests, written as a density and (Z, weight) pairs;
// the slots after the given ones are empty.
#pragma once

#include "absorber/compound.h"

#include <initializer_list>
#include <utility>

inline TCompound MakeCompound(float density, std::initializer_list<std::pair<int, float>> constituents)
{
    TCompound compound;
    compound.Clear();
    compound.Density = density;
    std::size_t slot = 0;
    for (const auto &[z, weight] : constituents) {
        compound.Z[slot] = z;
        compound.Weight[slot] = weight;
        ++slot;
    }
    return compound;
}
