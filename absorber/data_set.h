// TCmpDataSet: one curve of the graph. A material mixed from up to six
// compound-library entries by relative weight, the coefficient type and data
// source to plot, and the curve's colour, width, pattern and legend.
//
// UpdateComposition derives the gross elemental composition and the electron
// and density figures from the absorber slots; CoefficientAt evaluates the
// mass coefficient (cm2/g) at a photon energy (keV) from the chosen data
// library; AbsorptionEdge gives an element's edges from the same library.
// Results follow the program's convention: -1.0 for an invalid request or a
// value that cannot be computed, 0 for no value; only values above 0 are
// shown.
#pragma once

#include "absorber/coefficient_types.h"
#include "absorber/compound.h"
#include "absorber/data_sources.h"
#include "absorber/short_text.h"

#include <array>
#include <cstdint>

class CompoundLibrary;

// Elemental weight fractions indexed by the atomic number itself:
// fractions[Z] for Z = 1..99. Index 0 is no element and always holds 0.
inline constexpr int kElementCount = TCompound::kMaxAtomicNumber;
using ElementFractions = std::array<double, kElementCount + 1>;

// Colour of a curve: red in the lowest byte, then green, then blue; the top
// byte is 0.
using LineColorValue = std::uint32_t;
constexpr LineColorValue RgbColor(std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    return LineColorValue{red} | LineColorValue{green} << 8 | LineColorValue{blue} << 16;
}
constexpr std::uint8_t RedOf(LineColorValue color)
{
    return static_cast<std::uint8_t>(color);
}
constexpr std::uint8_t GreenOf(LineColorValue color)
{
    return static_cast<std::uint8_t>(color >> 8);
}
constexpr std::uint8_t BlueOf(LineColorValue color)
{
    return static_cast<std::uint8_t>(color >> 16);
}

// Line patterns, in the order of the data setup dialog's pattern list.
enum LinePatternIndex : std::uint8_t { kSolid = 0, kDash, kDot, kDashDot, kDashDotDot };

class TCmpDataSet
{
public:
    static constexpr int kAbsorberSlots = 6;
    // Largest relative weight an absorber slot takes.
    static constexpr long double kMaxRelWeight = 100000000.0L;
    // The smallest relative weight taken: far enough above the underflow of
    // the 64-bit fractions (a 32-bit weight fraction times it) that every
    // weight accepted counts in the composition as written.
    static constexpr long double kMinRelWeight = 1e-100L;

    // The fields in their record order. Absorber slots are 0-based here
    // (slot 1 of the dialogs is index 0), like the constituent slots of
    // TCompound; ElementWeight is indexed by Z.
    std::uint8_t DataSource = kDataSourceB;             // index into the data-source list
    std::int8_t CoeffType = kCoeffTypeAttenuationTotal; // index into kCoefficientTypes
    // Filled from index 0 upwards without gaps; the names are library names.
    std::array<ShortText, kAbsorberSlots> AbsorberName{};
    std::array<long double, kAbsorberSlots> RelWeight{}; // in (0, kMaxRelWeight] where a name is set

    // Derived by UpdateComposition; copied along by CopyFrom.
    ElementFractions ElementWeight{}; // normalised to a sum of 1
    long double ElectronsPerGram = -1.0L;
    long double Density = -1.0L;         // g/cm3; -1.0 when it cannot be computed
    long double ElectronsPerCm3 = -1.0L; // -1.0 when the density is -1.0
    long double EffectiveZ = -1.0L;

    LineColorValue LineColor = 0;
    std::int32_t LineWidth = 1;
    std::uint8_t LinePattern = kSolid;
    ShortText Legend = " "; // graph markup; never empty, always begins with a blank

    // Every field back to the values of a new data set (source B, total
    // attenuation, no absorbers, black, width 1, solid, legend " ").
    void Clear() { *this = TCmpDataSet(); }
    void CopyFrom(const TCmpDataSet &other) { *this = other; }

    // A data set is in use, and draws a curve, when its first slot is filled.
    bool InUse() const { return !AbsorberName[0].isEmpty(); }
    // Number of filled slots counted from the first, up to the first empty one.
    int AbsorberCount() const;

    // Whether a relative weight lies between kMinRelWeight and kMaxRelWeight.
    static bool IsValidRelWeight(long double weight) { return weight >= kMinRelWeight && weight <= kMaxRelWeight; }

    // The first slot (0-based) without a name, or -1 when all six are filled.
    int FirstEmptySlot() const;
    // Puts the absorber into slot (0-based).
    void SetAbsorber(int slot, const QString &name, long double weight);
    // Puts the absorber into the first empty slot and answers that slot, or
    // -1 (and changes nothing) when all six are filled.
    int AddAbsorber(const QString &name, long double weight);
    // Empties slot (0-based) and closes up the slots after it, so the names
    // stay without gaps. False, and nothing changes, when the slot is empty.
    bool DeleteAbsorber(int slot);

    // Changes the data source. The coefficient type stays where the new
    // source offers it and becomes "(none)" where it does not.
    void SetDataSource(int source);
    // Sets the legend as StoredLegend stores the text.
    void SetLegend(const QString &text);

    // Takes everything from other but the line style (colour, width and
    // pattern), which stays this data set's own: how a data set is copied
    // onto another curve.
    void CopyWithoutLineStyle(const TCmpDataSet &other);

    // Recomputes ElementWeight, ElectronsPerGram, Density, ElectronsPerCm3
    // and EffectiveZ from the absorber slots and the entries of library they
    // name. A name the library does not hold is skipped, as if its slot were
    // empty.
    void UpdateComposition(const CompoundLibrary &library);

    // The mass coefficient in cm2/g at energy keV: the sum over the elements
    // of the library value times the weight fraction. 0 when the type is
    // "(none)", the source does not offer it, or any element's value is 0
    // (a process below its threshold); -1.0 for an invalid source or type, or
    // when the library refuses any element (an energy outside its tables).
    long double CoefficientAt(long double energy) const;

    // Energy in keV of the k-th absorption edge of element Z (k = 1 is the
    // highest, the K edge) in the library of dataSource; -1.0 where the
    // library has no such edge or the source is invalid.
    static double AbsorptionEdge(std::int32_t Z, std::int32_t k, int dataSource);

    friend bool operator==(const TCmpDataSet &, const TCmpDataSet &) = default;
};

// The effective atomic number of a composition: the electron-fraction
// weighted mean of Z^3.5, taken to the power 1/3.5. 0 when no element has a
// fraction above 0.
long double EffectiveZ(const ElementFractions &fractions);

// A legend as a data set stores it: cut to 255 characters, an empty text as
// one blank, any other text beginning with a blank (one is put in front when
// it does not).
QString StoredLegend(const QString &text);
