// pheltra-cli nuclide: the photon lines, half-life and air-kerma-rate
// constant of a nuclide, or the list of nuclides.
#include "app/cli/cli_beam_options.h"
#include "absorber/material/source_and_type.h"
#include "app/cli/cli_error.h"
#include "sources/nuclide.h"

#include <cmath>

namespace {

// The constant and the rates carry the few digits the line data support.
QString RoundedText(double value)
{
    return QString::number(value, 'g', 4);
}

void ListNuclides(const CommandContext &context, TableFormat format)
{
    Write(context.out,
          TableRow({QStringLiteral("nuclide"), QStringLiteral("half_life"), QStringLiteral("half_life_unit"),
                    QStringLiteral("lines")},
                   format) +
              QLatin1Char('\n'));
    for (const std::string &name : pheltra::NuclideNames()) {
        const pheltra::Nuclide nuclide = pheltra::FindNuclide(name);
        Write(context.out,
              TableRow({QString::fromStdString(nuclide.name), ShortestText(nuclide.halfLife),
                        QString::fromStdString(nuclide.halfLifeUnit), QString::number(nuclide.lines.size())},
                       format) +
                  QLatin1Char('\n'));
    }
}

double NumberOption(const CommandContext &context, const OptionSpec &option, double fallback)
{
    return context.line.Has(option) ? ParseDouble(context.line.Value(option), Dashed(option)) : fallback;
}

} // namespace

namespace {

const char kNuclideHelp[] =
    "Usage: pheltra-cli nuclide [NAME] [--cutoff KEV] [--activity GBQ] [--distance M]\n"
    "                           [--source H|B] [--format tsv|csv] [--library FILE]\n"
    "                           [--no-user-library]\n"
    "\n"
    "Without NAME, lists the nuclides (name, half-life, unit, number of lines).\n"
    "With NAME (found ignoring case, blanks and hyphens: cs137 is Cs-137), prints\n"
    "comment lines starting with \"#\" (the half-life, what the lines include, the\n"
    "air-kerma-rate constant), a header line and one line per photon line: energy\n"
    "(keV), photons per decay, kind (gamma, xray, annihilation), DDEP's line code,\n"
    "the emitter, and what the line adds to the constant (\"--\" below the cut-off).\n"
    "The constant sums y E (mu_en/rho)air / (4 pi) over the lines above the cut-off\n"
    "(--cutoff, default %1 keV), in uGy m2/(GBq h), from the library's\n"
    "\"%2\" and the data source (--source, default H).\n"
    "--activity (GBq) adds the air-kerma rate at --distance (m, default 1) in\n"
    "vacuum: without attenuation or scatter in air. Lines: DDEP evaluations, every\n"
    "line of at least 10 keV and 1e-4 per decay.\n";

} // namespace

QString NuclideHelp()
{
    return QString::fromUtf8(kNuclideHelp)
        .arg(ShortestText(pheltra::kDefaultCutoffKeV), QLatin1String(pheltra::kAirName));
}

std::vector<OptionSpec> NuclideOptions()
{
    return {kHelpOption,   kLibraryOption,  kNoUserLibraryOption, kFormatOption,
            kCutoffOption, kActivityOption, kDistanceOption,      kSourceOption};
}

int RunNuclide(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    if (context.line.positionals.isEmpty()) {
        for (const OptionSpec &option :
             {kCutoffOption, kActivityOption, kDistanceOption, kSourceOption, kLibraryOption}) {
            if (context.line.Has(option))
                throw CliError{QStringLiteral("%1 needs a nuclide NAME").arg(Dashed(option))};
        }
        ListNuclides(context, format);
        return kExitOk;
    }
    ExpectPositionals(context, 1, "NAME");
    const pheltra::Nuclide nuclide =
        FromSources([&] { return pheltra::FindNuclide(context.line.positionals[0].toStdString()); });
    const int source = pheltra::ParseSource(context.line.Value(kSourceOption, QStringLiteral("H")));
    const double cutoff = NumberOption(context, kCutoffOption, pheltra::kDefaultCutoffKeV);
    if (!(cutoff >= 0.0))
        throw CliError{QStringLiteral("--cutoff must be 0 or more keV")};
    if (context.line.Has(kDistanceOption) && !context.line.Has(kActivityOption))
        throw CliError{QStringLiteral("--distance needs --activity")};
    const pheltra::LoadedLibrary library = LoadLibraryOption(context);
    const pheltra::SourceMaterial air =
        FromSources([&] { return pheltra::LibraryMaterial(library.library, pheltra::kAirName, source); });
    const double gamma = FromSources([&] { return pheltra::AirKermaRateConstant(nuclide, air, cutoff); });

    QString title = QStringLiteral("# %1: half-life %2 %3")
                        .arg(QString::fromStdString(nuclide.name), ShortestText(nuclide.halfLife),
                             QString::fromStdString(nuclide.halfLifeUnit));
    if (!nuclide.remarks.empty())
        title += QStringLiteral("; ") + QString::fromStdString(nuclide.remarks);
    QStringList notes{title,
                      QStringLiteral("# air-kerma-rate constant %1 uGy m2/(GBq h) over the lines above %2 keV "
                                     "(source %3, %4), in vacuum")
                          .arg(RoundedText(gamma), ShortestText(cutoff), QLatin1String(DataSourceAt(source).letter),
                               QLatin1String(pheltra::kAirName))};
    if (context.line.Has(kActivityOption)) {
        const double activity = NumberOption(context, kActivityOption, 0.0);
        const double distance = NumberOption(context, kDistanceOption, 1.0);
        const double rate = FromSources([&] { return pheltra::AirKermaRateInVacuum(gamma, activity, distance); });
        notes << QStringLiteral("# air-kerma rate %1 uGy/h at %2 m from %3 GBq, in vacuum (no attenuation in air)")
                     .arg(RoundedText(rate), ShortestText(distance), ShortestText(activity));
    }
    // Comment lines as they stand in either format: a reader skips them whole.
    for (const QString &note : notes)
        Write(context.out, note + QLatin1Char('\n'));
    Write(context.out,
          TableRow({QStringLiteral("energy_keV"), QStringLiteral("yield_per_decay"), QStringLiteral("kind"),
                    QStringLiteral("line"), QStringLiteral("emitter"), QStringLiteral("gamma_uGy_m2_per_GBq_h")},
                   format) +
              QLatin1Char('\n'));
    for (const pheltra::PhotonLine &line : nuclide.lines) {
        const QString share = line.energyKeV > cutoff
            ? RoundedText(FromSources([&] { return pheltra::LineAirKermaRateConstant(line, air); }))
            : QStringLiteral("--");
        Write(context.out,
              TableRow({ShortestText(line.energyKeV), ShortestText(line.yieldPerDecay),
                        QLatin1String(pheltra::LineKindName(line.kind)), QString::fromStdString(line.code),
                        QString::fromStdString(line.emitter), share},
                       format) +
                  QLatin1Char('\n'));
    }
    return FinishedStatus(context, library);
}
