// The build-up factor B(E, x) of a material for one response: the standard's
// own table for its 26 materials, the equivalent-atomic-number method for
// any other, or a table the user names. Results outside the standard say so
// (flags) or are refused with the reason.
#pragma once

#include "shielding/buildup_response.h"
#include "shielding/equivalent_z.h"
#include "shielding/standard_materials.h"

#include <limits>
#include <string>
#include <vector>

namespace pheltra {

// The standard's energies.
inline constexpr double kBuildupLowestKeV = 15.0;
inline constexpr double kBuildupHighestKeV = 15000.0;

// What the build-up of a shield is taken for.
struct BuildupMaterial
{
    // A standard material, recognised by composition or named by the user;
    // nullptr for the equivalent-Z method on composition.
    const StandardMaterial *standard = nullptr;
    bool named = false;
    MassFractions composition{};
};
// The standard material of this composition, else the composition itself.
BuildupMaterial BuildupMaterialOf(const MassFractions &composition);
// The table the user names, whatever the shield is made of.
BuildupMaterial NamedBuildupMaterial(const StandardMaterial &material);

// Which table a build-up factor was taken from.
struct BuildupBasis
{
    const StandardMaterial *table = nullptr; // the standard material's own table
    bool named = false;                      // named by the user, not recognised
    // The equivalent-Z method (table == nullptr): Z_eq and its two elements.
    double zEq = 0.0;
    const StandardMaterial *lower = nullptr;
    const StandardMaterial *upper = nullptr;
};
// "Water table", "Lead table (named)", "Z_eq 7.46 between Oxygen and Sodium".
std::string DescribeBasis(const BuildupBasis &basis);

// What a build-up factor carries beyond its number (bits).
enum BuildupFlag : unsigned {
    kBuildupExtrapolated = 1u << 0, // beyond 40 mfp: the extrapolation of Harima et al.
    kBuildupShallow = 1u << 1,      // below 0.5 mfp: the fit taken under the standard's shallowest depth
    kBuildupHeldAtEdge = 1u << 2,   // between a tabulated energy and its K edge
    kBuildupSuspectRow = 1u << 3,   // the water energy-absorption row at 60 keV entered
    kBuildupCaution = 1u << 4,      // lanthanum or gadolinium above 3 MeV entered
};
// Each flag set, in plain words, one line apiece.
std::vector<std::string> BuildupFlagTexts(unsigned flags);

// Why a build-up factor was refused.
enum class BuildupRefusal {
    kNone,
    kEnergy,      // outside 15 keV to 15 MeV, or outside the material's table (lead, uranium below 30 keV)
    kResponse,    // no energy-absorption data for the material
    kEquivalentZ, // no two standard elements bracket the material
    kDepth,       // negative, or beyond 100 mfp
};

// The coefficients of one material, response and energy: everything of B(E, x)
// that does not depend on the depth, worked out once.
struct BuildupCoefficients
{
    GpCoefficients coefficients;
    BuildupBasis basis;
    unsigned flags = 0;
    BuildupRefusal refused = BuildupRefusal::kNone;
    std::string refusal; // why there are none, in one line; empty when there are
    bool ok() const { return refused == BuildupRefusal::kNone; }
};
BuildupCoefficients BuildupCoefficientsFor(const BuildupMaterial &material, BuildupResponse response, double energyKeV);

struct BuildupFactor
{
    double value = std::numeric_limits<double>::quiet_NaN();
    BuildupBasis basis;
    unsigned flags = 0;
    BuildupRefusal refused = BuildupRefusal::kNone;
    std::string refusal; // why there is no value, in one line; empty when there is
    bool ok() const { return refused == BuildupRefusal::kNone; }
};
// B at a depth in mean free paths (coherent-free): refused below 0 and beyond
// 100 mfp, extrapolated and flagged beyond 40.
BuildupFactor BuildupAt(const BuildupCoefficients &coefficients, double mfp);

// Both steps at once.
BuildupFactor Buildup(const BuildupMaterial &material, BuildupResponse response, double energyKeV, double mfp);
// Element by element over energies and depths of one length (a front end
// broadcasts its arguments first); the coefficients are worked out once for
// each run of equal energies. Empty when the lengths differ.
std::vector<BuildupFactor> Buildups(const BuildupMaterial &material, BuildupResponse response,
                                    const std::vector<double> &energiesKeV, const std::vector<double> &depthsMfp);

} // namespace pheltra
