#include "app/cli/cli_slab_options.h"

#include "app/cli/cli_error.h"
#include "app/cli/cli_text.h"

#include <cmath>

namespace {

struct ThicknessUnit
{
    const char *name;
    double cmPerUnit; // 0 for g/cm2, which the density turns into cm
};
constexpr ThicknessUnit kThicknessUnits[] = {{"g/cm2", 0.0}, {"cm", 1.0}, {"mm", 0.1}, {"um", 1e-4}};

} // namespace

double ThicknessCm(const QString &text, double density, const QString &option)
{
    for (const ThicknessUnit &unit : kThicknessUnits) {
        if (!text.endsWith(QLatin1String(unit.name)))
            continue;
        const QString number = text.chopped(qsizetype(qstrlen(unit.name))).trimmed();
        const double value = ParseDouble(number, option);
        if (value < 0.0)
            throw CliError{QStringLiteral("%1 must not be negative, not '%2'").arg(option, text)};
        // "-0mm" is no thickness below 0: it is 0, shown as 0.
        const double thickness = unit.cmPerUnit > 0.0 ? value * unit.cmPerUnit : value / density;
        return thickness == 0.0 ? 0.0 : thickness;
    }
    throw CliError{QStringLiteral("%1 needs a unit: cm, mm, um or g/cm2, as in 0.5mm, not '%2'").arg(option, text)};
}

double TransmissionOption(const QString &text, const QString &option)
{
    const double value = ParseDouble(text, option);
    if (!(value > 0.0 && value <= 1.0))
        throw CliError{QStringLiteral("%1 must lie above 0 and at most 1, not '%2'").arg(option, text)};
    return value;
}

QString DensityText(double density)
{
    const auto single = static_cast<float>(density);
    return static_cast<double>(single) == density ? ShortestText(single) : ShortestText(density);
}

QString ValueText(double value)
{
    return std::isnan(value) ? QStringLiteral("--") : ShortestText(value);
}
