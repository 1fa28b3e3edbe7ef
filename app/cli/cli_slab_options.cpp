#include "app/cli/cli_slab_options.h"

#include "app/cli/cli_error.h"
#include "app/cli/cli_text.h"
#include "sources/filtration.h"

#include <cmath>

double ThicknessCm(const QString &text, double density, const QString &option)
{
    const std::string utf8 = text.toStdString();
    const std::optional<pheltra::ThicknessParts> parts = pheltra::SplitThickness(utf8);
    if (!parts)
        throw CliError{QStringLiteral("%1 needs a unit: cm, mm, um or g/cm2, as in 0.5mm, not '%2'").arg(option, text)};
    const QString number = QString::fromUtf8(parts->number.data(), qsizetype(parts->number.size())).trimmed();
    const double value = ParseDouble(number, option);
    if (value < 0.0)
        throw CliError{QStringLiteral("%1 must not be negative, not '%2'").arg(option, text)};
    // "-0mm" is no thickness below 0: it is 0, shown as 0.
    const double cmPerUnit = pheltra::CmPerUnit(parts->unit);
    const double thickness = cmPerUnit > 0.0 ? value * cmPerUnit : value / density;
    return thickness == 0.0 ? 0.0 : thickness;
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
