#include "absorber/data_sources.h"

#include "absorber/coefficient_types.h"
#include "datalib/b/vornak.h"
#include "datalib/h/selquin.h"

namespace {

// Library H holds only total attenuation and total energy absorption.
constexpr std::array<std::int8_t, 3> kTypesOfH{kCoeffTypeNone, kCoeffTypeAttenuationTotal,
                                               kCoeffTypeEnergyAbsorptionTotal};

constexpr std::array<std::int8_t, kCoeffTypeCount> AllTypes()
{
    std::array<std::int8_t, kCoeffTypeCount> types{};
    for (int type = 0; type < kCoeffTypeCount; ++type)
        types[static_cast<std::size_t>(type)] = static_cast<std::int8_t>(type);
    return types;
}
constexpr std::array<std::int8_t, kCoeffTypeCount> kTypesOfB = AllTypes();

const std::array<DataSourceInfo, kDataSourceCount> kDataSources{{
    {"Zentrilo, Kavomer; NISTIR 5632, 1995", "H", "Selquin", kTypesOfH, &GetMuCoeffH, &GetAbsEdgeH},
    {"Ludrane, Pestova; Med Phys 23(1996)1997", "B", "Vornak", kTypesOfB, &GetMuCoeffB, &GetAbsEdgeB},
}};

} // namespace

const DataSourceInfo &DataSourceAt(int source)
{
    return kDataSources.at(static_cast<std::size_t>(source));
}

QStringList DataSourceTexts()
{
    QStringList texts;
    for (const DataSourceInfo &source : kDataSources)
        texts.append(QString::fromLatin1(source.text));
    return texts;
}

int FindDataSource(QStringView text)
{
    for (int source = 0; source < kDataSourceCount; ++source) {
        const DataSourceInfo &candidate = DataSourceAt(source);
        if (text.compare(QLatin1StringView(candidate.letter), Qt::CaseInsensitive) == 0 ||
            text.compare(QLatin1StringView(candidate.text), Qt::CaseInsensitive) == 0)
            return source;
    }
    return -1;
}

int CoeffTypeListPosition(int source, int type)
{
    if (!IsValidDataSource(source))
        return -1;
    const auto offered = DataSourceAt(source).offeredTypes;
    for (std::size_t position = 0; position < offered.size(); ++position) {
        if (offered[position] == type)
            return static_cast<int>(position);
    }
    return -1;
}

bool SourceOffers(int source, int type)
{
    return CoeffTypeListPosition(source, type) >= 0;
}

int CoeffTypeUnderSource(int source, int type)
{
    return SourceOffers(source, type) ? type : kCoeffTypeNone;
}

int CoeffTypeAtListPosition(int source, int position)
{
    if (!IsValidDataSource(source))
        return -1;
    const auto offered = DataSourceAt(source).offeredTypes;
    if (position < 0 || static_cast<std::size_t>(position) >= offered.size())
        return -1;
    return offered[static_cast<std::size_t>(position)];
}

QStringList CoeffTypeNames(int source)
{
    QStringList names;
    if (!IsValidDataSource(source))
        return names;
    for (const std::int8_t type : DataSourceAt(source).offeredTypes)
        names.append(CoeffTypeName(type));
    return names;
}
