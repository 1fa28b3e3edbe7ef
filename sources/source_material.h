// A material as the beam and nuclide calculations use it: a composition with
// its density and the two mass coefficients they need, total attenuation
// (filters, half-value layers) and energy absorption (air kerma, dose to a
// medium), both from one data source.
#pragma once

#include "absorber/data_set.h"
#include "absorber/data_sources.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

class CompoundLibrary;

namespace pheltra {

struct LoadedLibrary;

// The library entries the beam calculations take by default.
inline constexpr char kAirName[] = "Air, Dry (near sea level)";
inline constexpr char kAluminiumName[] = "Aluminum";
inline constexpr char kWaterName[] = "Water, Liquid";

class SourceMaterial
{
public:
    // composition: a data set whose composition UpdateComposition has
    // computed; its density (or none, when it is not above 0) is kept.
    SourceMaterial(std::string name, const TCmpDataSet &composition, int dataSource);

    const std::string &Name() const { return name_; }
    int DataSource() const { return dataSource_; }
    // g/cm3; not above 0 when the material has none.
    double Density() const { return density_; }
    bool HasDensity() const { return density_ > 0.0; }

    // mu/rho and mu_en/rho in cm2/g at energy keV. Throw SourceError, naming
    // the material and the energy, where the data source gives no value.
    double Attenuation(double energyKeV) const;
    double EnergyAbsorption(double energyKeV) const;
    std::vector<double> Attenuation(std::span<const double> energiesKeV) const;
    std::vector<double> EnergyAbsorption(std::span<const double> energiesKeV) const;

private:
    double Coefficient(const TCmpDataSet &set, double energyKeV, const char *what) const;

    std::string name_;
    int dataSource_;
    double density_;
    TCmpDataSet attenuation_;
    TCmpDataSet absorption_;
};

// The library entry of that name (found ignoring case); throws SourceError
// when the library has none.
SourceMaterial LibraryMaterial(const CompoundLibrary &library, std::string_view name, int dataSource = kDataSourceH);
// A record of its own, such as a formula's, under a name.
SourceMaterial CompoundMaterial(std::string name, const TCompound &compound, int dataSource = kDataSourceH);
// A material as a user names one: a library entry (ignoring case), else the
// library's one-element entry whose formula the text is ("Al", "Cu"), else a
// chemical formula ("H2O", which has no density). Throws SourceError:
// "'Xq' is neither a library entry nor a formula: unknown element 'Xq' at 1".
SourceMaterial NamedMaterial(std::string_view text, const LoadedLibrary &library, int dataSource = kDataSourceH);

} // namespace pheltra
