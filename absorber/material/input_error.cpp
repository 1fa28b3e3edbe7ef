#include "absorber/material/input_error.h"

namespace pheltra {

QString FieldName(Field field)
{
    switch (field) {
    case Field::Absorber:
        return QStringLiteral("absorber");
    case Field::Weight:
        return QStringLiteral("weight");
    case Field::Formula:
        return QStringLiteral("formula");
    case Field::Weights:
        return QStringLiteral("weights");
    case Field::Density:
        return QStringLiteral("density");
    case Field::Energy:
        return QStringLiteral("energy");
    case Field::Source:
        return QStringLiteral("source");
    case Field::Type:
        return QStringLiteral("type");
    }
    return {};
}

QString FieldUnit(Field field)
{
    switch (field) {
    case Field::Density:
        return QStringLiteral("g/cm3");
    case Field::Energy:
        return QStringLiteral("keV");
    default:
        return {};
    }
}

QString Worded(const InputError &error, const QString &name, const QString &give)
{
    switch (error.wording) {
    case InputError::Wording::Alone:
        break;
    case InputError::Wording::AfterField:
        return name + QLatin1Char(' ') + error.message;
    case InputError::Wording::Missing: {
        const QString unit = FieldUnit(error.field);
        return QStringLiteral("%1; give one with %2").arg(error.message, give) +
            (unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit));
    }
    }
    return error.message;
}

} // namespace pheltra
