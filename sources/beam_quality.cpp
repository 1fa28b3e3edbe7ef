#include "sources/beam_quality.h"

#include "sources/bracketed_root.h"
#include "sources/dose_units.h"
#include "sources/source_error.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pheltra {
namespace {

constexpr double kMmPerCm = 10.0;

double Sum(const std::vector<double> &values)
{
    double sum = 0.0;
    for (const double value : values)
        sum += value;
    return sum;
}

double WeightedSum(const std::vector<double> &weights, const std::vector<double> &values)
{
    double sum = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i)
        sum += weights[i] * values[i];
    return sum;
}

double RequiredDensity(const SourceMaterial &material)
{
    if (!material.HasDensity())
        throw SourceError(material.Name() + " has no density, so no layer thickness of it can be found");
    return material.Density();
}

} // namespace

KermaWeighting::KermaWeighting(const Spectrum &spectrum, const SourceMaterial &air) : spectrum_(spectrum)
{
    const std::vector<double> &energies = spectrum.Energies();
    const std::vector<double> absorption = air.EnergyAbsorption(energies);
    weights_.resize(energies.size());
    for (std::size_t i = 0; i < energies.size(); ++i)
        weights_[i] = spectrum.Fluence()[i] * energies[i] * absorption[i];
    weightSum_ = Sum(weights_);
}

double KermaWeighting::AirKermaPerFluence() const
{
    return kMicroGrayPerKeVSquareCmPerGram * weightSum_ / Sum(spectrum_.Fluence());
}

std::optional<double> KermaWeighting::AirKermaPerMAsAt1m() const
{
    if (!spectrum_.IsPerMAsAt1m())
        return std::nullopt;
    // TASMIP fluence is per mm2.
    return kMicroGrayPerKeVSquareCmPerGram * kSquareCmPerSquareMm * weightSum_;
}

double KermaWeighting::MeanEnergy() const
{
    return WeightedSum(spectrum_.Fluence(), spectrum_.Energies()) / Sum(spectrum_.Fluence());
}

double KermaWeighting::KermaMeanEnergy() const
{
    return WeightedSum(weights_, spectrum_.Energies()) / weightSum_;
}

double KermaWeighting::ThicknessForTransmission(const std::vector<double> &linear, double transmission) const
{
    if (!(transmission > 0.0 && transmission < 1.0))
        throw SourceError("a transmission must lie between 0 and 1");
    // Between the thickness of the kerma-weighted mean coefficient (which
    // transmits at least the fraction: the mean of exponentials is not less
    // than the exponential of the mean) and that of the smallest one (which
    // transmits at most it).
    double smallest = HUGE_VAL;
    for (std::size_t i = 0; i < linear.size(); ++i) {
        if (weights_[i] > 0.0)
            smallest = std::min(smallest, linear[i]);
    }
    const double depth = -std::log(transmission);
    const double low = depth / (WeightedSum(weights_, linear) / weightSum_);
    const double high = depth / smallest;
    const auto excess = [&](double thickness) {
        double transmitted = 0.0;
        for (std::size_t i = 0; i < linear.size(); ++i)
            transmitted += weights_[i] * std::exp(-linear[i] * thickness);
        return transmitted / weightSum_ - transmission;
    };
    return DecreasingRoot(excess, low, std::max(low, high), kBeamRelativeTolerance);
}

double KermaWeighting::ThicknessForTransmission(const SourceMaterial &material, double transmission) const
{
    const double density = RequiredDensity(material);
    std::vector<double> linear = material.Attenuation(spectrum_.Energies());
    for (double &mu : linear)
        mu *= density;
    return ThicknessForTransmission(linear, transmission);
}

double KermaWeighting::EffectiveEnergy(const SourceMaterial &material, const std::vector<double> &massAttenuation,
                                       double hvlCm) const
{
    const double target = std::numbers::ln2 / (hvlCm * RequiredDensity(material));
    const std::vector<double> &energies = spectrum_.Energies();
    // The highest pair of neighbouring bins with photons whose coefficients
    // straddle the target; the root lies between their energies. A spectrum
    // of (nearly) one line may have no such pair: its closest bin is the
    // answer.
    std::size_t upper = energies.size();
    std::size_t closest = energies.size();
    for (std::size_t i = energies.size(); i-- > 0;) {
        if (weights_[i] <= 0.0)
            continue;
        if (upper < energies.size() && massAttenuation[i] >= target && massAttenuation[upper] <= target) {
            const auto excess = [&](double energy) { return material.Attenuation(energy) - target; };
            return DecreasingRoot(excess, energies[i], energies[upper], kBeamRelativeTolerance);
        }
        if (closest == energies.size() ||
            std::abs(massAttenuation[i] - target) < std::abs(massAttenuation[closest] - target))
            closest = i;
        upper = i;
    }
    if (closest == energies.size())
        throw SourceError("the spectrum has no photons");
    return energies[closest];
}

double KermaWeighting::EffectiveEnergy(const SourceMaterial &material, double hvlCm) const
{
    return EffectiveEnergy(material, material.Attenuation(spectrum_.Energies()), hvlCm);
}

double KermaWeighting::MuEnRatio(const SourceMaterial &medium) const
{
    const std::vector<double> &energies = spectrum_.Energies();
    const std::vector<double> absorption = medium.EnergyAbsorption(energies);
    double mediumSum = 0.0;
    for (std::size_t i = 0; i < energies.size(); ++i)
        mediumSum += spectrum_.Fluence()[i] * energies[i] * absorption[i];
    return mediumSum / weightSum_;
}

BeamQuality KermaWeighting::Assess(const SourceMaterial &hvlMaterial, const SourceMaterial &medium) const
{
    const double density = RequiredDensity(hvlMaterial);
    const std::vector<double> massAttenuation = hvlMaterial.Attenuation(spectrum_.Energies());
    std::vector<double> linear = massAttenuation;
    for (double &mu : linear)
        mu *= density;
    const double hvl1 = ThicknessForTransmission(linear, 0.5);
    const double qvl = ThicknessForTransmission(linear, 0.25);

    BeamQuality quality;
    quality.kv = spectrum_.TubeVoltage();
    quality.hvl1Mm = hvl1 * kMmPerCm;
    quality.qvlMm = qvl * kMmPerCm;
    quality.hvl2Mm = (qvl - hvl1) * kMmPerCm;
    quality.homogeneity = hvl1 / (qvl - hvl1);
    quality.meanEnergyKeV = MeanEnergy();
    quality.kermaMeanEnergyKeV = KermaMeanEnergy();
    quality.effectiveEnergyKeV = EffectiveEnergy(hvlMaterial, massAttenuation, hvl1);
    quality.airKermaUGyPerMAsAt1m = AirKermaPerMAsAt1m();
    quality.airKermaPerFluence = AirKermaPerFluence();
    quality.muEnRatio = MuEnRatio(medium);
    return quality;
}

BeamQuality AssessBeam(const Spectrum &spectrum, const SourceMaterial &hvlMaterial, const SourceMaterial &air,
                       const SourceMaterial &medium)
{
    return KermaWeighting(spectrum, air).Assess(hvlMaterial, medium);
}

} // namespace pheltra
