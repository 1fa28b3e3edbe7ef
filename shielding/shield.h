// A shield of up to six layers between a point isotropic photon source and the
// point of interest, and the quantities behind it: narrow-beam transmission
// (coherent scattering included, as the slab command gives it), the build-up
// factor and the broad-beam transmission B e^(-x) with x the coherent-free
// depth, each weighted over the source's lines by the response; the thickness
// of the last layer for a target broad-beam transmission.
//
// No standard method exists for build-up in layered shields. The build-up is
// that of one material at the total depth (the sum of the layers' coherent-free
// mean free paths): the last layer's, the one facing the point of interest,
// unless the caller names a table of the standard instead.
#pragma once

#include "shielding/buildup_factor.h"
#include "shielding/shield_material.h"
#include "sources/nuclide.h"

#include <limits>
#include <string>
#include <vector>

namespace pheltra {

inline constexpr std::size_t kMaxShieldLayers = 6;

struct ShieldLayer
{
    ShieldMaterial material;
    double thicknessCm = 0.0;
};

struct ShieldSetup
{
    // The source's lines (energy and photons per decay; any relative
    // intensity will do where only ratios matter).
    std::vector<PhotonLine> lines{};
    std::vector<ShieldLayer> layers{}; // from the source outwards
    BuildupResponse response = BuildupResponse::kExposure;
    // A table of the standard named by the user for the build-up; nullptr for
    // the last layer's material.
    const StandardMaterial *buildupMaterial = nullptr;
    // Each line's unshielded response, when the caller weighs the lines
    // itself (by their share of an air-kerma-rate constant, say); empty for
    // y E mu_en/rho of the response's medium. A line weighted 0 counts for
    // nothing.
    std::vector<double> weights{};
};

// How a line of a source of several lines enters the totals.
enum class LineTreatment {
    kBuildup,     // with its build-up factor
    kNoBuildup,   // outside the standard's energies (or its material's table): B = 1
    kBeyondReach, // deeper than 100 mfp: counted as transmitting nothing
};

struct LineResult
{
    PhotonLine line;
    double weight = 0.0;     // the unshielded response per decay: y E mu_en/rho (air, or the last layer)
    double depthMfp = 0.0;   // without coherent scattering, summed over the layers
    double narrowBeam = 0.0; // exp(-sum mu t), coherent scattering included
    BuildupFactor buildup;   // 1 for a line taken without build-up
    double broadBeam = 0.0;  // B exp(-depth); 0 beyond reach
    LineTreatment treatment = LineTreatment::kBuildup;
};

struct ShieldResult
{
    std::vector<LineResult> lines;
    // Weighted by the response over the lines.
    double narrowBeam = std::numeric_limits<double>::quiet_NaN();
    double buildup = std::numeric_limits<double>::quiet_NaN(); // broad beam over coherent-free narrow beam
    double broadBeam = std::numeric_limits<double>::quiet_NaN();
    unsigned flags = 0; // the build-up flags of every line
    // Shares of the lines taken without build-up, and of those beyond reach,
    // in the unshielded and in the transmitted (broad-beam) response.
    double noBuildupShareUnshielded = 0.0;
    double noBuildupShareTransmitted = 0.0;
    double beyondReachShareUnshielded = 0.0;
    std::string refusal; // why there are no quantities, in one line; empty when there are
    bool ok() const { return refusal.empty(); }
};

struct ThicknessSolution
{
    double thicknessCm = std::numeric_limits<double>::quiet_NaN(); // of the last layer
    ShieldResult result;                                           // the shield with that thickness
    std::string refusal;
    bool ok() const { return refusal.empty(); }
};

class Shield
{
public:
    // Works out everything that does not depend on the last layer's thickness.
    explicit Shield(ShieldSetup setup);

    const ShieldSetup &Setup() const { return setup_; }
    // A fault of the setup itself (no lines, a layer without density, more
    // than six layers, ...); empty when there is none.
    const std::string &Fault() const { return fault_; }

    // The quantities with the layers as given.
    ShieldResult Evaluate() const;
    // The same with the last layer's thickness replaced.
    ShieldResult EvaluateWithLastLayer(double thicknessCm) const;
    // The last layer's thickness that gives the broad-beam transmission
    // (0 < T <= 1). The root is bracketed between no last layer and the
    // thickness at which the most penetrating line reaches 100 mfp; a target
    // outside that bracket is refused.
    ThicknessSolution ThicknessFor(double broadBeamTransmission) const;

private:
    struct PreparedLine
    {
        PhotonLine line;
        double weight = 0.0;
        double otherDepthMfp = 0.0;   // of the layers before the last, coherent-free
        double otherNarrowMfp = 0.0;  // the same with coherent scattering
        double lastPerCm = 0.0;       // the last layer's coherent-free mu, 1/cm
        double lastNarrowPerCm = 0.0; // with coherent scattering
        BuildupCoefficients coefficients;
        bool withoutBuildup = false; // outside the standard's energies: B = 1
    };

    double BroadBeamAt(double lastThicknessCm) const;
    std::string Prepare();

    ShieldSetup setup_;
    std::vector<PreparedLine> prepared_;
    double weightSum_ = 0.0;
    std::string fault_;
};

// The first and equilibrium half- and tenth-value layers of one material in
// broad beam, cm: the first takes the transmission from 1 to 1/2 (1/10), the
// equilibrium value is the next layer, from 1/2 to 1/4 (1/10 to 1/100).
struct ValueLayers
{
    double firstHvl = std::numeric_limits<double>::quiet_NaN();
    double equilibriumHvl = std::numeric_limits<double>::quiet_NaN();
    double firstTvl = std::numeric_limits<double>::quiet_NaN();
    double equilibriumTvl = std::numeric_limits<double>::quiet_NaN();
    std::string refusal;
    bool ok() const { return refusal.empty(); }
};
// Those of the setup's last layer alone (the others left out), for its lines,
// response, weights and build-up table.
ValueLayers BroadBeamValueLayers(const ShieldSetup &setup);

} // namespace pheltra
