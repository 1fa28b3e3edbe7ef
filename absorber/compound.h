// TCompound: one entry of the compound library — a named element, compound or
// mixture with display texts, an optional density and up to 14 constituent
// elements with their weight fractions. The name is the library's key and is
// kept beside the record, not in it.
#pragma once

#include "absorber/short_text.h"

#include <array>
#include <cstdint>

class TCompound
{
public:
    static constexpr int kSlotCount = 14;
    static constexpr int kMaxAtomicNumber = 99;
    // Atomic mass unit in grams: one atom of relative mass A weighs A times this.
    static constexpr long double kAtomicMassUnit = 1.6605402E-24L;
    // The densities a material may have, in g/cm3: far below any gas the
    // program is used for, yet a normal 32-bit float whose products with
    // electrons per gram and coefficients stay exact enough to show; above
    // the densest matter there is.
    static constexpr long double kMinDensity = 1e-30L;
    static constexpr long double kMaxDensity = 1000.0L;
    static bool IsValidDensity(long double density) { return density >= kMinDensity && density <= kMaxDensity; }

    // A new record holds empty texts and zeros, which every computation reads
    // as "no constituent, no density"; Clear() gives the loader's empty values.
    ShortText Formula; // shown to the user, never interpreted
    ShortText SecondName;
    ShortText ExtraText1; // carried along, shown nowhere
    ShortText Source;     // where the composition comes from
    float ExtraValue = 0.0f;
    ShortText ExtraText2;
    float Density = 0.0f; // g/cm3; <= 0 means no density given
    // Slot i (0-based here) is in use when Z[i] >= 1; an empty slot holds
    // Z = -1 and Weight = -1. Computations stop at the first slot not in use.
    std::array<std::int32_t, kSlotCount> Z{};
    std::array<float, kSlotCount> Weight{}; // mass fraction of element Z[i]

    // Back to the empty values: texts empty, numbers -1, all slots empty.
    void Clear();
    void CopyFrom(const TCompound &source) { *this = source; }

    // Number of the slots that computations use: those before the first slot
    // whose Z is not in 1..99.
    int ConstituentCount() const;

    // Electrons per gram of material: sum of Z * weight / A over the used
    // slots, divided by the atomic mass unit. Weights are taken as they stand,
    // not normalised.
    long double ElectronsPerGram() const;

    friend bool operator==(const TCompound &, const TCompound &) = default;
};
