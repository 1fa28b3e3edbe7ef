// Beam quality of an X-ray spectrum, everything by air kerma as a half-value
// layer is measured: the air kerma, the first half-value layer and the
// quarter-value layer in a material (narrow beam), the second half-value
// layer QVL - HVL1 and the homogeneity coefficient HVL1/HVL2, the mean
// energies by fluence and by air kerma, the effective energy (the energy
// whose own half-value layer in the material is HVL1) and the ratio
// (mu_en/rho)medium/(mu_en/rho)air averaged over the energy fluence, as AAPM
// TG-61 defines it for converting air kerma to dose in water.
#pragma once

#include "sources/source_material.h"
#include "sources/spectrum.h"

#include <optional>
#include <vector>

namespace pheltra {

// Half-value layers and the effective energy are solved to this, relative.
inline constexpr double kBeamRelativeTolerance = 1e-4;

struct BeamQuality
{
    double kv = 0.0; // 0 for a spectrum not from the TASMIP model
    double hvl1Mm = 0.0;
    double qvlMm = 0.0;
    double hvl2Mm = 0.0;
    double homogeneity = 0.0; // HVL1 / HVL2
    double meanEnergyKeV = 0.0;
    double kermaMeanEnergyKeV = 0.0;
    double effectiveEnergyKeV = 0.0;
    // uGy per mAs at 1 m: TASMIP spectra only.
    std::optional<double> airKermaUGyPerMAsAt1m;
    // uGy per photon/cm2: the air kerma over the fluence, any spectrum.
    double airKermaPerFluence = 0.0;
    double muEnRatio = 0.0; // medium over air
};

// A spectrum weighed by its air kerma: each bin's weight is fluence x E x
// (mu_en/rho)air. The material-independent part of every quantity above.
class KermaWeighting
{
public:
    KermaWeighting(const Spectrum &spectrum, const SourceMaterial &air);

    const Spectrum &Beam() const { return spectrum_; }
    double AirKermaPerFluence() const;                // uGy per photon/cm2
    std::optional<double> AirKermaPerMAsAt1m() const; // uGy, TASMIP only
    double MeanEnergy() const;                        // keV, by fluence
    double KermaMeanEnergy() const;                   // keV, by air kerma

    // The thickness (cm) of material that lets the fraction transmission
    // (0 < transmission < 1) of the air kerma through. Throws SourceError
    // when the material has no density.
    double ThicknessForTransmission(const SourceMaterial &material, double transmission) const;
    double HalfValueLayerCm(const SourceMaterial &material) const { return ThicknessForTransmission(material, 0.5); }
    // The energy (keV) whose narrow-beam half-value layer in material is
    // hvlCm, within the spectrum's span; where an absorption edge gives
    // more than one, the highest.
    double EffectiveEnergy(const SourceMaterial &material, double hvlCm) const;
    // (mu_en/rho)medium / (mu_en/rho)air, weighted by energy fluence.
    double MuEnRatio(const SourceMaterial &medium) const;

    // Every quantity, the material's coefficients looked up once.
    BeamQuality Assess(const SourceMaterial &hvlMaterial, const SourceMaterial &medium) const;

private:
    double ThicknessForTransmission(const std::vector<double> &linear, double transmission) const;
    double EffectiveEnergy(const SourceMaterial &material, const std::vector<double> &massAttenuation,
                           double hvlCm) const;

    Spectrum spectrum_;
    std::vector<double> weights_; // fluence x E x (mu_en/rho)air
    double weightSum_ = 0.0;
};

// KermaWeighting(spectrum, air).Assess(hvlMaterial, medium).
BeamQuality AssessBeam(const Spectrum &spectrum, const SourceMaterial &hvlMaterial, const SourceMaterial &air,
                       const SourceMaterial &medium);

} // namespace pheltra
