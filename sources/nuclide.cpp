#include "sources/nuclide.h"

#include "sources/dose_units.h"
#include "sources/source_error.h"

#include <cctype>
#include <cmath>

namespace pheltra {
namespace {

// A name as it is compared: lower case without blanks and hyphens.
std::string Folded(std::string_view name)
{
    std::string folded;
    for (const char c : name) {
        if (c != '-' && c != ' ')
            folded.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
    return folded;
}

Nuclide FromRecord(const NuclideRecord &record)
{
    Nuclide nuclide{record.name, record.halfLife, record.halfLifeUnit, {}, record.remarks};
    nuclide.lines.reserve(record.lines.size());
    for (const LineRecord &line : record.lines)
        nuclide.lines.push_back({line.energyKeV, line.yieldPerDecay, line.kind, line.code, line.emitter});
    return nuclide;
}

} // namespace

std::vector<double> Nuclide::Energies() const
{
    std::vector<double> energies;
    for (const PhotonLine &line : lines)
        energies.push_back(line.energyKeV);
    return energies;
}

std::vector<double> Nuclide::Yields() const
{
    std::vector<double> yields;
    for (const PhotonLine &line : lines)
        yields.push_back(line.yieldPerDecay);
    return yields;
}

const char *LineKindName(LineKind kind)
{
    switch (kind) {
    case LineKind::Gamma:
        return "gamma";
    case LineKind::XRay:
        return "xray";
    case LineKind::Annihilation:
        return "annihilation";
    }
    return "";
}

std::vector<std::string> NuclideNames()
{
    std::vector<std::string> names;
    for (const NuclideRecord &record : kNuclideTable)
        names.emplace_back(record.name);
    return names;
}

Nuclide FindNuclide(std::string_view name)
{
    const std::string wanted = Folded(name);
    for (const NuclideRecord &record : kNuclideTable) {
        if (!wanted.empty() && Folded(record.name) == wanted)
            return FromRecord(record);
    }
    throw SourceError("unknown nuclide '" + std::string(name) + "'");
}

double LineAirKermaRateConstant(const PhotonLine &line, const SourceMaterial &air)
{
    return kGammaConstantFactor * line.yieldPerDecay * line.energyKeV * air.EnergyAbsorption(line.energyKeV);
}

double AirKermaRateConstant(const Nuclide &nuclide, const SourceMaterial &air, double cutoffKeV)
{
    if (!(cutoffKeV >= 0.0) || !std::isfinite(cutoffKeV))
        throw SourceError("the cut-off must be a number of keV, 0 or more");
    double sum = 0.0;
    for (const PhotonLine &line : nuclide.lines) {
        if (line.energyKeV > cutoffKeV)
            sum += LineAirKermaRateConstant(line, air);
    }
    return sum;
}

double AirKermaRateInVacuum(double gammaConstant, double activityGBq, double distanceM)
{
    if (!(activityGBq >= 0.0) || !std::isfinite(activityGBq))
        throw SourceError("the activity must be a number of GBq, 0 or more");
    if (!(distanceM > 0.0) || !std::isfinite(distanceM))
        throw SourceError("the distance must be a number of metres above 0");
    return gammaConstant * activityGBq / (distanceM * distanceM);
}

} // namespace pheltra
