// A small compound library as CmpMix.dat would give it, for the dialog tests.
#pragma once

#include "absorber/compound_library.h"

#include <initializer_list>
#include <utility>

namespace dialog_test {

struct Constituent
{
    int z;
    float weight;
};

inline TCompound MakeCompound(const char *formula, float density, std::initializer_list<Constituent> constituents)
{
    TCompound c;
    c.Clear();
    c.Formula = formula;
    c.Density = density;
    std::size_t slot = 0;
    for (const Constituent &k : constituents) {
        c.Z[slot] = k.z;
        c.Weight[slot] = k.weight;
        ++slot;
    }
    return c;
}

// Air, Lead, "No density" (carbon without density), "Split" (slot 2 empty,
// slot 3 filled), Water (H 0.111898, O 0.888102, density 1.0): sorted.
inline void FillTestLibrary(CompoundLibrary &library)
{
    library.Append(QStringLiteral("Water"), [] {
        TCompound c = MakeCompound("H2O", 1.0f, {{1, 0.111898f}, {8, 0.888102f}});
        c.SecondName = "Liquid water";
        c.Source = "ICRU 44";
        return c;
    }());
    library.Append(QStringLiteral("Lead"), MakeCompound("Pb", 11.35f, {{82, 1.0f}}));
    library.Append(QStringLiteral("Air"),
                   MakeCompound("", 0.00120479f, {{6, 0.000124f}, {7, 0.755268f}, {8, 0.231781f}, {18, 0.012827f}}));
    library.Append(QStringLiteral("No density"), MakeCompound("C", -1.0f, {{6, 1.0f}}));
    TCompound split = MakeCompound("split", 2.0f, {{1, 0.5f}});
    split.Z[2] = 8;
    split.Weight[2] = 0.5f;
    library.Append(QStringLiteral("Split"), split);
    library.Sort();
}

// Adds "First fourteen" (Z = 1 to 14) and "Next six" (Z = 15 to 20), which
// together have more elements than the element grid has rows; sorts.
inline void AddManyElementEntries(CompoundLibrary &library)
{
    TCompound first = MakeCompound("", 1.0f, {});
    for (std::size_t slot = 0; slot < 14; ++slot) {
        first.Z[slot] = static_cast<int>(slot) + 1;
        first.Weight[slot] = 1.0f;
    }
    library.Append(QStringLiteral("First fourteen"), first);
    library.Append(QStringLiteral("Next six"),
                   MakeCompound("", 1.0f, {{15, 1}, {16, 1}, {17, 1}, {18, 1}, {19, 1}, {20, 1}}));
    library.Sort();
}

} // namespace dialog_test
