#include "sources/source_material.h"

#include "absorber/compound_library.h"
#include "absorber/material/input_error.h"
#include "absorber/material/loaded_library.h"
#include "absorber/material/material_parts.h"
#include "sources/source_error.h"

#include <QString>

#include <cmath>
#include <sstream>
#include <utility>

namespace pheltra {
namespace {

TCmpDataSet WithType(const TCmpDataSet &composition, int dataSource, int type)
{
    TCmpDataSet set = composition;
    set.DataSource = static_cast<std::uint8_t>(dataSource);
    set.CoeffType = static_cast<std::int8_t>(type);
    return set;
}

// The library's entry of one element whose formula is text, or -1.
int ElementEntry(const QString &text, const CompoundLibrary &library)
{
    for (int i = 0; i < library.Count(); ++i) {
        const TCompound &compound = library.Compound(i);
        if (compound.ConstituentCount() == 1 && compound.Formula.str() == text)
            return i;
    }
    return -1;
}

TCmpDataSet Composed(const CompoundLibrary &library, const QString &name)
{
    TCmpDataSet set;
    set.SetAbsorber(0, name, 1.0L);
    set.UpdateComposition(library);
    return set;
}

} // namespace

SourceMaterial::SourceMaterial(std::string name, const TCmpDataSet &composition, int dataSource)
    : name_(std::move(name)),
      dataSource_(dataSource),
      density_(static_cast<double>(composition.Density)),
      attenuation_(WithType(composition, dataSource, kCoeffTypeAttenuationTotal)),
      absorption_(WithType(composition, dataSource, kCoeffTypeEnergyAbsorptionTotal))
{
    if (!IsValidDataSource(dataSource))
        throw SourceError("no data source " + std::to_string(dataSource));
}

double SourceMaterial::Coefficient(const TCmpDataSet &set, double energyKeV, const char *what) const
{
    const auto value = static_cast<double>(set.CoefficientAt(energyKeV));
    if (!(value > 0.0) || !std::isfinite(value)) {
        std::ostringstream message;
        message << "source " << DataSourceAt(dataSource_).letter << " gives no " << what << " of " << name_ << " at "
                << energyKeV << " keV";
        throw SourceError(message.str());
    }
    return value;
}

double SourceMaterial::Attenuation(double energyKeV) const
{
    return Coefficient(attenuation_, energyKeV, "mu/rho");
}

double SourceMaterial::EnergyAbsorption(double energyKeV) const
{
    return Coefficient(absorption_, energyKeV, "mu_en/rho");
}

std::vector<double> SourceMaterial::Attenuation(std::span<const double> energiesKeV) const
{
    std::vector<double> values;
    values.reserve(energiesKeV.size());
    for (const double energy : energiesKeV)
        values.push_back(Attenuation(energy));
    return values;
}

std::vector<double> SourceMaterial::EnergyAbsorption(std::span<const double> energiesKeV) const
{
    std::vector<double> values;
    values.reserve(energiesKeV.size());
    for (const double energy : energiesKeV)
        values.push_back(EnergyAbsorption(energy));
    return values;
}

SourceMaterial LibraryMaterial(const CompoundLibrary &library, std::string_view name, int dataSource)
{
    const QString wanted = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
    const int index = library.IndexOf(wanted);
    if (index < 0)
        throw SourceError("the compound library has no entry '" + std::string(name) + "'");
    return SourceMaterial(library.Name(index).toStdString(), Composed(library, library.Name(index)), dataSource);
}

SourceMaterial CompoundMaterial(std::string name, const TCompound &compound, int dataSource)
{
    CompoundLibrary own;
    const QString key = QString::fromStdString(name);
    own.Append(key, compound);
    return SourceMaterial(std::move(name), Composed(own, key), dataSource);
}

SourceMaterial NamedMaterial(std::string_view text, const LoadedLibrary &library, int dataSource)
{
    const QString wanted = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
    int index = library.library.IndexOf(wanted);
    if (index < 0)
        index = ElementEntry(wanted, library.library);
    try {
        const MaterialPart part = index >= 0
            ? MaterialPart{library.library.Name(index), library.library.Compound(index), 1.0L}
            : FormulaPart(wanted);
        TCmpDataSet set;
        FillDataSetFromParts(set, {part}, dataSource, kCoeffTypeAttenuationTotal, QString());
        return SourceMaterial(part.name.toStdString(), set, dataSource);
    } catch (const InputError &error) {
        throw SourceError("'" + wanted.toStdString() +
                          "' is neither a library entry nor a formula: " + error.message.toStdString());
    }
}

} // namespace pheltra
