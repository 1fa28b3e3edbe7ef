#include "absorber/coefficient_types.h"

QString CoeffTypeName(int type)
{
    if (!IsValidCoeffType(type))
        return {};
    return QString::fromLatin1(kCoefficientTypes[static_cast<std::size_t>(type)].name);
}

QString CoeffTypeShortName(int type)
{
    if (!IsValidCoeffType(type))
        return {};
    return QString::fromLatin1(kCoefficientTypes[static_cast<std::size_t>(type)].shortName);
}

int FindCoeffType(QStringView name)
{
    if (name.isEmpty())
        return -1;
    for (int type = 0; type < kCoeffTypeCount; ++type) {
        const CoefficientType &entry = kCoefficientTypes[static_cast<std::size_t>(type)];
        if (name.compare(QLatin1StringView(entry.name), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1StringView(entry.shortName), Qt::CaseInsensitive) == 0)
            return type;
    }
    return -1;
}
