// pheltra-cli slab: narrow-beam quantities of a slab of one material.
#include "absorber/material/density.h"
#include "absorber/material/source_and_type.h"
#include "absorber/slab.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_slab_options.h"

#include <cmath>
#include <optional>

int RunSlab(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    const int source = pheltra::ParseSource(context.line.Value(kSourceOption, QStringLiteral("B")));
    const int type = pheltra::ParseCoeffType(context.line.Value(kTypeOption, QStringLiteral("attenuation-total")));
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
    if (context.line.Has(kThicknessOption))
        thickness = ThicknessCm(context.line.Value(kThicknessOption).trimmed(), density, Dashed(kThicknessOption));
    std::optional<double> transmission;
    if (context.line.Has(kTransmissionOption))
        transmission = TransmissionOption(context.line.Value(kTransmissionOption), Dashed(kTransmissionOption));

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
