// pheltra-cli slab: narrow-beam quantities of a slab of one material.
#include "absorber/material/density.h"
#include "absorber/material/source_and_type.h"
#include "absorber/slab.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"

#include <cmath>
#include <optional>

namespace {

struct ThicknessUnit
{
    const char *name;
    double cmPerUnit; // 0 for g/cm2, which the density turns into cm
};
constexpr ThicknessUnit kThicknessUnits[] = {{"g/cm2", 0.0}, {"cm", 1.0}, {"mm", 0.1}, {"um", 1e-4}};

// X followed by its unit ("0.5mm", "2 cm", "1.2g/cm2") as cm of material of
// the given density.
double ThicknessCm(const QString &text, double density)
{
    for (const ThicknessUnit &unit : kThicknessUnits) {
        if (!text.endsWith(QLatin1String(unit.name)))
            continue;
        const QString number = text.chopped(qsizetype(qstrlen(unit.name))).trimmed();
        const double value = ParseDouble(number, QStringLiteral("--thickness"));
        if (value < 0.0)
            throw CliError{QStringLiteral("--thickness must not be negative, not '%1'").arg(text)};
        return unit.cmPerUnit > 0.0 ? value * unit.cmPerUnit : value / density;
    }
    throw CliError{QStringLiteral("--thickness needs a unit: cm, mm, um or g/cm2, as in 0.5mm, not '%1'").arg(text)};
}

double TransmissionOption(const QString &text)
{
    const double value = ParseDouble(text, QStringLiteral("--transmission"));
    if (!(value > 0.0 && value <= 1.0))
        throw CliError{QStringLiteral("--transmission must lie above 0 and at most 1, not '%1'").arg(text)};
    return value;
}

// A density read from the library is a 32-bit value: shown as such ("11.35").
QString DensityText(double density)
{
    const auto single = static_cast<float>(density);
    return static_cast<double>(single) == density ? ShortestText(single) : ShortestText(density);
}

QString ValueText(double value)
{
    return std::isnan(value) ? QStringLiteral("--") : ShortestText(value);
}

} // namespace

int RunSlab(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    const int source = pheltra::ParseSource(context.line.Value(QStringLiteral("source"), QStringLiteral("B")));
    const int type =
        pheltra::ParseCoeffType(context.line.Value(QStringLiteral("type"), QStringLiteral("attenuation-total")));
    pheltra::CheckTypeOffered(source, type);
    std::vector<double> energies;
    for (const QString &text : context.line.positionals)
        energies.push_back(ParseDouble(text, QStringLiteral("an energy")));
    if (energies.empty())
        throw CliError{QStringLiteral("no energies given")};
    const auto [library, set] = MaterialOption(context, source, type, QString());
    pheltra::RequireDensity(set);
    const auto density = static_cast<double>(set.Density);
    std::optional<double> thickness;
    if (context.line.Has(QStringLiteral("thickness")))
        thickness = ThicknessCm(context.line.Value(QStringLiteral("thickness")).trimmed(), density);
    std::optional<double> transmission;
    if (context.line.Has(QStringLiteral("transmission")))
        transmission = TransmissionOption(context.line.Value(QStringLiteral("transmission")));

    QString note = QStringLiteral("# narrow-beam values without build-up; density %1 g/cm3").arg(DensityText(density));
    QStringList header{QStringLiteral("energy_keV"), QStringLiteral("mu_rho_cm2_g"), QStringLiteral("mu_1_cm"),
                       QStringLiteral("mfp_cm"),     QStringLiteral("hvl_cm"),       QStringLiteral("tvl_cm")};
    if (thickness) {
        note += QStringLiteral("; thickness %1 cm").arg(ShortestText(*thickness));
        header << QStringLiteral("transmission");
    }
    if (transmission)
        header << QStringLiteral("thickness_cm_for_%1").arg(ShortestText(*transmission));
    Write(context.out, TableRow({note}, format) + QLatin1Char('\n'));
    Write(context.out, TableRow(header, format) + QLatin1Char('\n'));

    qsizetype refused = 0;
    for (const double energy : energies) {
        const long double value = set.CoefficientAt(energy);
        if (value < 0.0L)
            ++refused;
        const double massCoefficient = value > 0.0L ? static_cast<double>(value) : std::nan("");
        const double linear = LinearCoefficient(massCoefficient, density);
        QStringList row{ShortestText(energy),
                        ValueText(massCoefficient),
                        ValueText(linear),
                        ValueText(MeanFreePath(linear)),
                        ValueText(HalfValueLayer(linear)),
                        ValueText(TenthValueLayer(linear))};
        if (thickness)
            row << ValueText(Transmission(linear, *thickness));
        if (transmission)
            row << ValueText(ThicknessForTransmission(linear, *transmission));
        Write(context.out, TableRow(row, format) + QLatin1Char('\n'));
    }
    WarnRefusedEnergies(context, source, refused);
    return FinishedStatus(context, library);
}
