#include "absorber/material/source_and_type.h"

#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"
#include "absorber/material/input_error.h"

namespace pheltra {

int ParseSource(const QString &text)
{
    const int source = FindDataSource(text);
    if (source < 0)
        throw InputError{Field::Source, QStringLiteral("unknown data source '%1' (H or B)").arg(text)};
    return source;
}

int ParseCoeffType(const QString &text)
{
    const int type = FindCoeffType(text);
    if (type < 0) {
        // Every type by its short name, with the window's text beside it.
        QStringList types;
        for (const int offered : DataSourceAt(kDataSourceB).offeredTypes) {
            const QString shortName = CoeffTypeShortName(offered);
            types << (shortName.isEmpty() ? CoeffTypeName(offered)
                                          : QStringLiteral("%1 (%2)").arg(shortName, CoeffTypeName(offered)));
        }
        throw InputError{Field::Type,
                         QStringLiteral("unknown coefficient type '%1'; the types are: %2")
                             .arg(text, types.join(QStringLiteral(", ")))};
    }
    return type;
}

void CheckTypeOffered(int source, int type)
{
    if (SourceOffers(source, type))
        return;
    QStringList shortNames;
    for (const int offered : DataSourceAt(source).offeredTypes) {
        if (const QString shortName = CoeffTypeShortName(offered); !shortName.isEmpty())
            shortNames << shortName;
    }
    throw InputError{Field::Type,
                     QStringLiteral("source %1 does not offer '%2'; it offers: %3; by short name: %4")
                         .arg(QLatin1String(DataSourceAt(source).letter), CoeffTypeName(type),
                              CoeffTypeNames(source).join(QStringLiteral(", ")),
                              shortNames.join(QStringLiteral(", ")))};
}

} // namespace pheltra
