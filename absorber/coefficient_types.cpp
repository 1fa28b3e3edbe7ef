#include "absorber/coefficient_types.h"

QString CoeffTypeName(int type)
{
    if (!IsValidCoeffType(type))
        return {};
    return QString::fromLatin1(kCoefficientTypes[static_cast<std::size_t>(type)].name);
}

int FindCoeffType(QStringView name)
{
    for (int type = 0; type < kCoeffTypeCount; ++type) {
        const QLatin1StringView typeName(kCoefficientTypes[static_cast<std::size_t>(type)].name);
        if (name.compare(typeName, Qt::CaseInsensitive) == 0)
            return type;
    }
    return -1;
}
