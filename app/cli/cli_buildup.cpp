// pheltra-cli buildup: the build-up factors of ANSI/ANS-6.4.3 for a material,
// energies and depths, with the table or equivalent Z each was taken from.
#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_shielding.h"
#include "app/cli/cli_slab_options.h"
#include "shielding/buildup_factor.h"
#include "shielding/gp_formula.h"

using pheltra::BuildupResponse;

QString BuildupHelp()
{
    return QStringLiteral(
               "Usage: pheltra-cli buildup --absorber NAME[:WEIGHT] ... | --formula F[:WEIGHT] ...\n"
               "                           [--density D] --mfp X[,X...] [--response exposure|energy-absorption]\n"
               "                           ENERGY ... [--format tsv|csv] [--library FILE]\n"
               "                           [--no-user-library]\n"
               "\n"
               "Build-up factors B(E, x) of ANSI/ANS-6.4.3 (the G-P fit) for a point isotropic\n"
               "source in an infinite medium of the material: a first line starting with \"#\"\n"
               "says so, a header line names the columns, then one line per energy (keV) and\n"
               "depth x (mean free paths, computed without coherent scattering): B, the table\n"
               "it was taken from and notes in plain words.\n"
               "A material whose composition is one of the standard's %1 (23 elements, water,\n"
               "the standard's air and concrete) uses its table; any other the equivalent-Z\n"
               "method (Z_eq from the share of incoherent scattering, source B).\n"
               "  --response  exposure (air kerma, the default) or energy-absorption (kerma in\n"
               "              the material itself; the standard gives it up to copper only)\n"
               "  --mfp       depths, 0 to %2 mfp; beyond %3 mfp the fit is extrapolated\n"
               "              after Harima et al. and the notes say so\n"
               "Outside %4 keV to %5 keV, beyond %2 mfp, and where the standard has no\n"
               "table, B is \"--\" with the reason in the notes, and a warning on stderr.\n"
               "--absorber, --formula and --density as for mu.\n")
        .arg(pheltra::StandardMaterials().size())
        .arg(pheltra::kExtrapolationDeepestMfp)
        .arg(pheltra::kFitDeepestMfp)
        .arg(pheltra::kBuildupLowestKeV)
        .arg(pheltra::kBuildupHighestKeV);
}

std::vector<OptionSpec> BuildupOptions()
{
    return {kHelpOption,    kLibraryOption, kNoUserLibraryOption,      kFormatOption,      kAbsorberOption,
            kFormulaOption, kDensityOption, {"response", true, false}, {"mfp", true, true}};
}

BuildupResponse ResponseOption(const CommandContext &context)
{
    const QString text = context.line.Value(kResponseOption, QStringLiteral("exposure"));
    const std::optional<BuildupResponse> response = pheltra::ResponseByName(text.toStdString());
    if (!response)
        throw CliError{
            QStringLiteral("%1 is exposure or energy-absorption, not '%2'").arg(Dashed(kResponseOption), text)};
    return *response;
}

QString ResponseWords(BuildupResponse response)
{
    return response == BuildupResponse::kExposure ? QStringLiteral("exposure response (air kerma)")
                                                  : QStringLiteral("energy-absorption response (kerma in the medium)");
}

QString NotesText(const std::vector<std::string> &notes)
{
    QStringList texts;
    for (const std::string &note : notes)
        texts << QString::fromStdString(note);
    return texts.join(QStringLiteral("; "));
}

namespace {

std::vector<double> DepthsOption(const CommandContext &context)
{
    std::vector<double> depths;
    for (const QString &list : context.line.Values(kMfpOption))
        for (const QString &text : list.split(QLatin1Char(',')))
            depths.push_back(ParseDouble(text.trimmed(), Dashed(kMfpOption)));
    if (depths.empty())
        throw CliError{
            QStringLiteral("no %1 given: the depths in mean free paths, as in %1 1,5,10").arg(Dashed(kMfpOption))};
    return depths;
}

} // namespace

int RunBuildup(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    const BuildupResponse response = ResponseOption(context);
    const std::vector<double> depths = DepthsOption(context);
    std::vector<double> energies;
    for (const QString &text : context.line.positionals)
        energies.push_back(ParseDouble(text, QStringLiteral("an energy")));
    if (energies.empty())
        throw CliError{QStringLiteral("no energies given")};
    const auto [library, set] = MaterialOption(context, kDataSourceB, kCoeffTypeAttenuationTotal, QString());
    const pheltra::BuildupMaterial material = pheltra::BuildupMaterialOf(set.ElementWeight);

    const QString note = QStringLiteral(
                             "# build-up factors of ANSI/ANS-6.4.3 (G-P fit), point isotropic source in an "
                             "infinite medium, %1; depths in mean free paths without coherent "
                             "scattering (source B)")
                             .arg(ResponseWords(response));
    Write(context.out, TableRow({note}, format) + QLatin1Char('\n'));
    Write(context.out,
          TableRow({QStringLiteral("energy_keV"), QStringLiteral("mfp"), QStringLiteral("buildup"),
                    QStringLiteral("table"), QStringLiteral("notes")},
                   format) +
              QLatin1Char('\n'));
    qsizetype refused = 0;
    for (const double energy : energies) {
        const pheltra::BuildupCoefficients coefficients = pheltra::BuildupCoefficientsFor(material, response, energy);
        for (const double depth : depths) {
            const pheltra::BuildupFactor b = pheltra::BuildupAt(coefficients, depth);
            std::vector<std::string> notes = pheltra::BuildupFlagTexts(b.flags);
            if (!b.ok()) {
                ++refused;
                notes.insert(notes.begin(), b.refusal);
            }
            Write(context.out,
                  TableRow({ShortestText(energy), ShortestText(depth), ValueText(b.value),
                            QString::fromStdString(pheltra::DescribeBasis(b.basis)), NotesText(notes)},
                           format) +
                      QLatin1Char('\n'));
        }
    }
    if (refused > 0)
        WriteMessage(context.err,
                     QStringLiteral("warning: no build-up factor for %1 of the rows; shown as --, the "
                                    "notes say why")
                         .arg(refused));
    return FinishedStatus(context, library);
}
