// pheltra-cli shield: a point source behind up to six layers in broad beam:
// per line and in total the narrow-beam transmission, the build-up factor,
// the broad-beam transmission and the broad-beam value layers; the last
// layer's thickness for a target transmission or air-kerma rate.
#include "absorber/coefficient_types.h"
#include "absorber/data_sources.h"
#include "absorber/material/density.h"
#include "absorber/material/material_parts.h"
#include "app/cli/cli_beam_options.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_shielding.h"
#include "app/cli/cli_slab_options.h"
#include "shielding/air_kerma_shares.h"
#include "shielding/gp_formula.h"
#include "shielding/shield.h"
#include "sources/source_error.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <span>

using pheltra::BuildupResponse;

QString ShieldHelp()
{
    return QStringLiteral(
               "Usage: pheltra-cli shield --energy E | --nuclide NAME | --kv KV | --spectrum FILE\n"
               "                          [--energy-unit eV|keV|MeV] [--per-bin] [--filter M:T ...] [--source H|B]\n"
               "                          --layer MATERIAL:THICKNESS ... [--buildup-material NAME]\n"
               "                          [--response exposure|energy-absorption]\n"
               "                          [--transmission T | --dose-rate R] [--activity A --distance D]\n"
               "                          [--format tsv|csv] [--library FILE]\n"
               "                          [--no-user-library]\n"
               "\n"
               "A point isotropic source behind a shield of up to %1 layers, in broad beam\n"
               "with the build-up factors of ANSI/ANS-6.4.3. A first line starting with \"#\"\n"
               "states the geometry and the layer rule, further \"#\" lines the source, the\n"
               "layers and the air-kerma rates; a header line names the columns; then one\n"
               "line per photon line of the source and a total line weighted by the\n"
               "response: the share of the unshielded response, the depth in mean free paths\n"
               "(without coherent scattering), the narrow-beam transmission (with coherent\n"
               "scattering, as slab gives it), the build-up factor, the broad-beam\n"
               "transmission B e^-x, and the first and equilibrium half- and tenth-value\n"
               "layers (cm) of the last layer's material alone in broad beam; the table or\n"
               "Z_eq the build-up was taken from and notes in plain words.\n"
               "  --energy    one line of E keV (one photon per decay)\n"
               "  --nuclide   the lines of a nuclide of the library (pheltra-cli nuclide)\n"
               "  --kv, --spectrum  an X-ray beam as pheltra-cli beam takes it (with its\n"
               "              --energy-unit, --per-bin, --filter and --source, which is the\n"
               "              filters' data source): its bins are the lines, weighted by\n"
               "              their fluence. The shield itself always uses source B\n"
               "  --layer     from the source outwards; MATERIAL is a library name or\n"
               "              formula=F,density=D (g/cm3); THICKNESS has a unit: cm, mm, um\n"
               "              or g/cm2, as in Lead:2cm or formula=H2O,density=1:30cm. The last\n"
               "              layer may leave out its thickness when it is solved for\n"
               "  --buildup-material  one of the standard's 26 materials (Water, Concrete,\n"
               "              Lead, Fe, ...) whose build-up is taken for the whole shield;\n"
               "              otherwise the last layer's, the one facing the point of interest\n"
               "  --response  exposure (air kerma, the default) or energy-absorption (kerma in\n"
               "              the last layer's medium; the standard gives it up to copper)\n"
               "  --transmission T  solve the last layer's thickness for a broad-beam\n"
               "              transmission T (0 < T <= 1)\n"
               "  --activity A (GBq, or with a unit: Bq, kBq, MBq, GBq or TBq, as in 370MBq)\n"
               "              and --distance D (m):\n"
               "              the air-kerma rate at D without and behind the shield, from the\n"
               "              air-kerma-rate constant of the lines above %2 keV; the lines are\n"
               "              then weighted by their part of that constant\n"
               "  --dose-rate R  solve the last layer's thickness for an air-kerma rate R\n"
               "              (uGy/h, or with a unit: Gy/h, mGy/h, uGy/h or nGy/h) at D from A\n"
               "No standard method exists for build-up in layered shields: the build-up is\n"
               "that of one material at the total depth, as the first line says. Lines of a\n"
               "nuclide or bins of a beam below %3 keV (below 30 keV for lead and uranium,\n"
               "whose tables start there) are taken without build-up and the notes say how\n"
               "much of the response they carry; a single line below %3 keV or above %4 keV,\n"
               "depths beyond %5 mfp and targets no thickness within %5 mfp reaches are\n"
               "refused.\n")
        .arg(pheltra::kMaxShieldLayers)
        .arg(pheltra::kDefaultCutoffKeV)
        .arg(pheltra::kBuildupLowestKeV)
        .arg(pheltra::kBuildupHighestKeV)
        .arg(pheltra::kExtrapolationDeepestMfp);
}

std::vector<OptionSpec> ShieldOptions()
{
    std::vector<OptionSpec> options{kHelpOption,     kLibraryOption,      kNoUserLibraryOption, kFormatOption,
                                    kEnergyOption,   kNuclideOption,      kLayerOption,         kBuildupMaterialOption,
                                    kResponseOption, kTransmissionOption, kDoseRateOption,      kActivityOption,
                                    kDistanceOption};
    const std::vector<OptionSpec> beam = BeamSourceOptions();
    options.insert(options.end(), beam.begin(), beam.end());
    return options;
}

namespace {

struct UnitFactor
{
    const char *name;
    double factor;
};
// Activities in GBq, the unit of the air-kerma-rate constant.
constexpr UnitFactor kActivityUnits[] = {{"TBq", 1e3}, {"GBq", 1.0}, {"MBq", 1e-3}, {"kBq", 1e-6}, {"Bq", 1e-9}};
// Air-kerma rates in uGy/h, the unit the sources code gives.
constexpr UnitFactor kDoseRateUnits[] = {
    {"mGy/h", 1e3}, {"uGy/h", 1.0}, {"\u00b5Gy/h", 1.0}, {"nGy/h", 1e-3}, {"Gy/h", 1e6}};

// A number with one of the units, or a plain number in the unit whose factor
// is 1.
double WithUnit(const QString &text, std::span<const UnitFactor> units, const QString &option)
{
    for (const UnitFactor &unit : units) {
        const QString name = QString::fromUtf8(unit.name);
        if (!text.endsWith(name))
            continue;
        const double value = ParseDouble(text.chopped(name.size()).trimmed(), option);
        if (!(value > 0.0))
            throw CliError{QStringLiteral("%1 must lie above 0, not '%2'").arg(option, text)};
        return value * unit.factor;
    }
    const double value = ParseDouble(text, option);
    if (!(value > 0.0))
        throw CliError{QStringLiteral("%1 must lie above 0, not '%2'").arg(option, text)};
    return value;
}

QString Percent(double share)
{
    return QString::number(100.0 * share, 'g', 3) + QStringLiteral(" %");
}

// The source: its name as the output gives it and its lines.
struct SourceLines
{
    QString name;
    std::vector<pheltra::PhotonLine> lines;
};

SourceLines BeamLines(const CommandContext &context)
{
    const Beam beam = BeamOption(context);
    const pheltra::Spectrum &spectrum = beam.spectrum;
    SourceLines source;
    source.name = spectrum.IsPerMAsAt1m()
        ? QStringLiteral("the X-ray beam of %1 kV (TASMIP)").arg(ShortestText(spectrum.TubeVoltage()))
        : QStringLiteral("the spectrum of %1").arg(context.line.Value(kSpectrumOption));
    const qsizetype filters = context.line.Values(kFilterOption).size();
    if (filters > 0)
        source.name += QStringLiteral(" behind %1 filter layer(s)").arg(filters);
    source.name += QStringLiteral(", %1 bins as lines").arg(spectrum.Size());
    for (std::size_t i = 0; i < spectrum.Size(); ++i) {
        pheltra::PhotonLine line;
        line.energyKeV = spectrum.Energies()[i];
        line.yieldPerDecay = spectrum.Fluence()[i];
        source.lines.push_back(line);
    }
    return source;
}

SourceLines SourceOption(const CommandContext &context)
{
    const bool energy = context.line.Has(kEnergyOption);
    const bool nuclide = context.line.Has(kNuclideOption);
    const bool beam = context.line.Has(kKvOption) || context.line.Has(kSpectrumOption);
    if (int(energy) + int(nuclide) + int(beam) != 1)
        throw CliError{
            QStringLiteral("give the source as --energy E, --nuclide NAME or a beam (--kv KV or "
                           "--spectrum FILE), one of them")};
    if (beam)
        return BeamLines(context);
    if (energy) {
        pheltra::PhotonLine line;
        line.energyKeV = ParseDouble(context.line.Value(kEnergyOption), Dashed(kEnergyOption));
        line.yieldPerDecay = 1.0;
        return {QStringLiteral("one line of %1 keV").arg(ShortestText(line.energyKeV)), {line}};
    }
    const pheltra::Nuclide found = pheltra::FindNuclide(context.line.Value(kNuclideOption).toStdString());
    return {QStringLiteral("%1 (%2 lines of the nuclide library)")
                .arg(QString::fromStdString(found.name))
                .arg(found.lines.size()),
            found.lines};
}

bool IsFormulaLayer(const QString &material)
{
    return material.startsWith(QLatin1String("formula="));
}

// formula=F,density=D as a material part and its density.
pheltra::MaterialPart FormulaLayer(const QString &text, long double &density)
{
    QString formula;
    QString densityText;
    for (const QString &field : text.split(QLatin1Char(','))) {
        if (field.startsWith(QLatin1String("formula=")))
            formula = field.mid(8);
        else if (field.startsWith(QLatin1String("density=")))
            densityText = field.mid(8);
        else
            throw CliError{
                QStringLiteral("%1 '%2': a formula layer is formula=F,density=D").arg(Dashed(kLayerOption), text)};
    }
    if (densityText.isEmpty())
        throw CliError{
            QStringLiteral("%1 '%2': a formula layer needs density=D (g/cm3)").arg(Dashed(kLayerOption), text)};
    density = pheltra::CheckedDensity(ParseNumber(densityText, Dashed(kLayerOption) + QStringLiteral(" density")));
    return pheltra::FormulaPart(formula);
}

// One --layer; thickness NaN when it is left out.
pheltra::ShieldLayer LayerOption(const QString &text, const pheltra::LoadedLibrary &library)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    const QString materialText = colon < 0 ? text : text.left(colon);
    try {
        long double density = -1.0L;
        const pheltra::MaterialPart part = IsFormulaLayer(materialText) ? FormulaLayer(materialText, density)
                                                                        : pheltra::LibraryPart(materialText, library);
        TCmpDataSet set;
        pheltra::FillDataSetFromParts(set, {part}, kDataSourceB, kCoeffTypeAttenuationTotal, part.name);
        if (density > 0.0L)
            pheltra::OverrideDensity(set, density);
        if (!(set.Density > 0.0L))
            throw CliError{QStringLiteral("%1 '%2': %3 has no density in the library; give it as formula=F,density=D")
                               .arg(Dashed(kLayerOption), text, part.name)};
        pheltra::ShieldLayer layer{{part.name.toStdString(), set.ElementWeight, static_cast<double>(set.Density)},
                                   std::numeric_limits<double>::quiet_NaN()};
        if (colon >= 0)
            layer.thicknessCm = ThicknessCm(text.mid(colon + 1).trimmed(), layer.material.densityGCm3,
                                            Dashed(kLayerOption) + QStringLiteral(" thickness"));
        return layer;
    } catch (const pheltra::InputError &error) {
        const QString field = pheltra::FieldName(error.field);
        throw CliError{
            QStringLiteral("%1 '%2': %3").arg(Dashed(kLayerOption), text, pheltra::Worded(error, field, field + '='))};
    }
}

bool NeedsLibrary(const CommandContext &context)
{
    if (context.line.Has(kActivityOption))
        return true;
    const QStringList layers = context.line.Values(kLayerOption);
    return std::any_of(layers.begin(), layers.end(), [](const QString &text) { return !IsFormulaLayer(text); });
}

const pheltra::StandardMaterial *BuildupMaterialOption(const CommandContext &context)
{
    if (!context.line.Has(kBuildupMaterialOption))
        return nullptr;
    const QString name = context.line.Value(kBuildupMaterialOption);
    const pheltra::StandardMaterial *material = pheltra::StandardMaterialByName(name.toStdString());
    if (material == nullptr) {
        QStringList names;
        for (const pheltra::StandardMaterial &standard : pheltra::StandardMaterials())
            names << QString::fromUtf8(standard.name.data(), qsizetype(standard.name.size()));
        throw CliError{QStringLiteral("%1 '%2' is none of the standard's materials: %3")
                           .arg(Dashed(kBuildupMaterialOption), name, names.join(QStringLiteral(", ")))};
    }
    return material;
}

// The activity (GBq) and distance (m) of an air-kerma rate.
struct KermaGeometry
{
    double activityGBq;
    double distanceM;
    double gammaConstant; // uGy m2/(GBq h) of the lines above the cut-off
    double unshieldedUGyPerH;
};

std::optional<KermaGeometry> KermaOption(const CommandContext &context, BuildupResponse response,
                                         const pheltra::LoadedLibrary &library, pheltra::ShieldSetup &setup)
{
    const bool activity = context.line.Has(kActivityOption);
    const bool distance = context.line.Has(kDistanceOption);
    if (activity != distance)
        throw CliError{QStringLiteral("%1 and %2 go together").arg(Dashed(kActivityOption), Dashed(kDistanceOption))};
    if (!activity) {
        if (context.line.Has(kDoseRateOption))
            throw CliError{QStringLiteral("%1 needs %2 A and %3 D")
                               .arg(Dashed(kDoseRateOption), Dashed(kActivityOption), Dashed(kDistanceOption))};
        return std::nullopt;
    }
    if (response != BuildupResponse::kExposure)
        throw CliError{QStringLiteral("an air-kerma rate takes %1 exposure").arg(Dashed(kResponseOption))};
    if (!context.line.Has(kEnergyOption) && !context.line.Has(kNuclideOption))
        throw CliError{QStringLiteral("%1 goes with %2 or %3: a beam has no activity")
                           .arg(Dashed(kActivityOption), Dashed(kEnergyOption), Dashed(kNuclideOption))};
    KermaGeometry geometry{};
    geometry.activityGBq =
        WithUnit(context.line.Value(kActivityOption).trimmed(), kActivityUnits, Dashed(kActivityOption));
    QString distanceText = context.line.Value(kDistanceOption).trimmed();
    if (distanceText.endsWith(QLatin1Char('m')))
        distanceText.chop(1);
    geometry.distanceM = ParseDouble(distanceText.trimmed(), Dashed(kDistanceOption));
    if (!(geometry.distanceM > 0.0))
        throw CliError{QStringLiteral("%1 must lie above 0 m").arg(Dashed(kDistanceOption))};
    const pheltra::SourceMaterial air = pheltra::LibraryMaterial(library.library, pheltra::kAirName, kDataSourceB);
    setup.weights = pheltra::AirKermaRateShares(setup.lines, air);
    for (const double share : setup.weights)
        geometry.gammaConstant += share;
    if (!(geometry.gammaConstant > 0.0))
        throw CliError{QStringLiteral("no line of the source lies above the %1 keV cut-off of the air-kerma-rate "
                                      "constant")
                           .arg(ShortestText(pheltra::kDefaultCutoffKeV))};
    geometry.unshieldedUGyPerH =
        pheltra::AirKermaRateInVacuum(geometry.gammaConstant, geometry.activityGBq, geometry.distanceM);
    return geometry;
}

QString GeometryLine(const pheltra::ShieldSetup &setup)
{
    QString rule;
    if (setup.buildupMaterial != nullptr)
        rule = QStringLiteral("build-up of the named table %1 for the whole shield")
                   .arg(QString::fromUtf8(setup.buildupMaterial->name.data(),
                                          qsizetype(setup.buildupMaterial->name.size())));
    else
        rule = QStringLiteral("build-up of the last layer's material (%1), the one facing the point of interest")
                   .arg(QString::fromStdString(setup.layers.back().material.name));
    return QStringLiteral(
               "# point isotropic source, broad beam with the build-up factors of ANSI/ANS-6.4.3, %1; "
               "depth: the sum of the layers' mean free paths without coherent scattering (source B); "
               "%2 (no standard method exists for layers)")
        .arg(ResponseWords(setup.response), rule);
}

QString LayersLine(const pheltra::ShieldSetup &setup, std::optional<double> solvedFor, const QString &target)
{
    QStringList layers;
    for (std::size_t i = 0; i < setup.layers.size(); ++i) {
        const pheltra::ShieldLayer &layer = setup.layers[i];
        QString text = QStringLiteral("%1 %2 cm (%3 g/cm3")
                           .arg(QString::fromStdString(layer.material.name), ShortestText(layer.thicknessCm),
                                DensityText(layer.material.densityGCm3));
        if (solvedFor && i + 1 == setup.layers.size())
            text += QStringLiteral("; solved for %1").arg(target);
        layers << text + QLatin1Char(')');
    }
    return QStringLiteral("# layers from the source outwards: ") + layers.join(QStringLiteral(", "));
}

QStringList ValueLayerFields(const pheltra::ValueLayers &layers)
{
    return {ValueText(layers.firstHvl), ValueText(layers.equilibriumHvl), ValueText(layers.firstTvl),
            ValueText(layers.equilibriumTvl)};
}

std::vector<std::string> LineNotes(const pheltra::LineResult &line)
{
    std::vector<std::string> notes;
    if (line.treatment == pheltra::LineTreatment::kNoBuildup)
        notes.push_back("taken without build-up (B = 1): " + line.buildup.refusal);
    else if (line.treatment == pheltra::LineTreatment::kBeyondReach)
        notes.push_back("deeper than 100 mfp: counted as transmitting nothing");
    for (std::string &text : pheltra::BuildupFlagTexts(line.buildup.flags))
        notes.push_back(std::move(text));
    return notes;
}

std::vector<std::string> TotalNotes(const pheltra::ShieldResult &result)
{
    std::vector<std::string> notes;
    if (result.noBuildupShareUnshielded > 0.0)
        notes.push_back(QStringLiteral("lines taken without build-up carry %1 of the unshielded and %2 of the "
                                       "transmitted response")
                            .arg(Percent(result.noBuildupShareUnshielded), Percent(result.noBuildupShareTransmitted))
                            .toStdString());
    if (result.beyondReachShareUnshielded > 0.0)
        notes.push_back(QStringLiteral("lines deeper than 100 mfp, %1 of the unshielded response, counted as "
                                       "transmitting nothing")
                            .arg(Percent(result.beyondReachShareUnshielded))
                            .toStdString());
    for (std::string &text : pheltra::BuildupFlagTexts(result.flags))
        notes.push_back(std::move(text));
    return notes;
}

} // namespace

int RunShield(const CommandContext &context)
{
    const TableFormat format = FormatOption(context);
    pheltra::ShieldSetup setup;
    setup.response = ResponseOption(context);
    setup.buildupMaterial = BuildupMaterialOption(context);
    if (context.line.Has(kTransmissionOption) && context.line.Has(kDoseRateOption))
        throw CliError{QStringLiteral("give --transmission T or --dose-rate R, not both")};
    const QStringList layerTexts = context.line.Values(kLayerOption);
    if (layerTexts.isEmpty())
        throw CliError{QStringLiteral("no --layer given: MATERIAL:THICKNESS, as in Lead:2cm")};
    const pheltra::LoadedLibrary library =
        NeedsLibrary(context) ? LoadLibraryOption(context) : pheltra::LoadedLibrary{{}, kLibraryLoaded, {}};
    SourceLines source;
    std::optional<KermaGeometry> kerma;
    try {
        source = SourceOption(context);
        setup.lines = source.lines;
        kerma = KermaOption(context, setup.response, library, setup);
    } catch (const pheltra::SourceError &error) {
        throw CliError{QString::fromStdString(error.what())};
    }
    const bool solving = context.line.Has(kTransmissionOption) || context.line.Has(kDoseRateOption);
    for (qsizetype i = 0; i < layerTexts.size(); ++i) {
        setup.layers.push_back(LayerOption(layerTexts[i], library));
        if (std::isnan(setup.layers.back().thicknessCm)) {
            if (!solving || i + 1 < layerTexts.size())
                throw CliError{
                    QStringLiteral("%1 '%2' needs a thickness (only the last layer may leave it out, when it is "
                                   "solved for)")
                        .arg(Dashed(kLayerOption), layerTexts[i])};
            setup.layers.back().thicknessCm = 0.0;
        }
    }

    std::optional<double> target;
    QString targetText;
    if (context.line.Has(kTransmissionOption)) {
        target = TransmissionOption(context.line.Value(kTransmissionOption), Dashed(kTransmissionOption));
        targetText = QStringLiteral("a broad-beam transmission of %1").arg(ShortestText(*target));
    } else if (context.line.Has(kDoseRateOption)) {
        const double rate =
            WithUnit(context.line.Value(kDoseRateOption).trimmed(), kDoseRateUnits, Dashed(kDoseRateOption));
        target = rate / kerma->unshieldedUGyPerH;
        targetText = QStringLiteral("an air-kerma rate of %1 uGy/h").arg(ShortestText(rate));
        if (*target > 1.0)
            throw CliError{
                QStringLiteral("%1 %2 uGy/h lies above the %3 uGy/h without any shield")
                    .arg(Dashed(kDoseRateOption), ShortestText(rate), ShortestText(kerma->unshieldedUGyPerH))};
    }

    const pheltra::Shield shield(setup);
    if (!shield.Fault().empty())
        throw CliError{QString::fromStdString(shield.Fault())};
    pheltra::ShieldResult result;
    if (target) {
        const pheltra::ThicknessSolution solution = shield.ThicknessFor(*target);
        if (!solution.ok())
            throw CliError{QString::fromStdString(solution.refusal)};
        setup.layers.back().thicknessCm = solution.thicknessCm;
        result = solution.result;
    } else {
        result = shield.Evaluate();
        if (!result.ok())
            throw CliError{QString::fromStdString(result.refusal)};
    }

    Write(context.out, TableRow({GeometryLine(setup)}, format) + QLatin1Char('\n'));
    const QString weighting = kerma ? QStringLiteral("each by its part of the air-kerma-rate constant above %1 keV")
                                          .arg(ShortestText(pheltra::kDefaultCutoffKeV))
        : setup.response == BuildupResponse::kExposure ? QStringLiteral("each by y E mu_en/rho of air")
                                                       : QStringLiteral("each by y E mu_en/rho of the last layer");
    Write(context.out,
          TableRow({QStringLiteral("# source: %1, weighted %2").arg(source.name, weighting)}, format) +
              QLatin1Char('\n'));
    Write(context.out, TableRow({LayersLine(setup, target, targetText)}, format) + QLatin1Char('\n'));
    if (kerma) {
        Write(context.out,
              TableRow({QStringLiteral("# air-kerma rate at %1 m from %2 GBq (Gamma_%3keV %4 uGy m2/(GBq h)): %5 "
                                       "uGy/h without the shield, %6 uGy/h behind it")
                            .arg(ShortestText(kerma->distanceM), ShortestText(kerma->activityGBq),
                                 ShortestText(pheltra::kDefaultCutoffKeV), ShortestText(kerma->gammaConstant),
                                 ShortestText(kerma->unshieldedUGyPerH),
                                 ShortestText(kerma->unshieldedUGyPerH * result.broadBeam))},
                       format) +
                  QLatin1Char('\n'));
    }
    QStringList header{QStringLiteral("line_keV"),   QStringLiteral("yield"),       QStringLiteral("response_share"),
                       QStringLiteral("depth_mfp"),  QStringLiteral("narrow_beam"), QStringLiteral("buildup"),
                       QStringLiteral("broad_beam"), QStringLiteral("hvl1_cm"),     QStringLiteral("hvle_cm"),
                       QStringLiteral("tvl1_cm"),    QStringLiteral("tvle_cm")};
    if (kerma)
        header << QStringLiteral("air_kerma_uGy_h_unshielded") << QStringLiteral("air_kerma_uGy_h");
    header << QStringLiteral("table") << QStringLiteral("notes");
    Write(context.out, TableRow(header, format) + QLatin1Char('\n'));

    const double weightSum = [&] {
        double sum = 0.0;
        for (const pheltra::LineResult &line : result.lines)
            sum += line.weight;
        return sum;
    }();
    for (std::size_t i = 0; i < result.lines.size(); ++i) {
        const pheltra::LineResult &line = result.lines[i];
        pheltra::ShieldSetup alone = setup;
        alone.lines = {line.line};
        alone.weights.clear();
        QStringList row{ShortestText(line.line.energyKeV),     ShortestText(line.line.yieldPerDecay),
                        ShortestText(line.weight / weightSum), ShortestText(line.depthMfp),
                        ShortestText(line.narrowBeam),         ValueText(line.buildup.value),
                        ShortestText(line.broadBeam)};
        row << ValueLayerFields(pheltra::BroadBeamValueLayers(alone));
        if (kerma) {
            const double unshielded =
                pheltra::AirKermaRateInVacuum(setup.weights[i], kerma->activityGBq, kerma->distanceM);
            row << ShortestText(unshielded) << ShortestText(unshielded * line.broadBeam);
        }
        row << QString::fromStdString(pheltra::DescribeBasis(line.buildup.basis)) << NotesText(LineNotes(line));
        Write(context.out, TableRow(row, format) + QLatin1Char('\n'));
    }
    QStringList total{QStringLiteral("total"),
                      QString(),
                      ShortestText(1.0),
                      QString(),
                      ShortestText(result.narrowBeam),
                      ShortestText(result.buildup),
                      ShortestText(result.broadBeam)};
    total << ValueLayerFields(pheltra::BroadBeamValueLayers(setup));
    if (kerma)
        total << ShortestText(kerma->unshieldedUGyPerH) << ShortestText(kerma->unshieldedUGyPerH * result.broadBeam);
    total << QString() << NotesText(TotalNotes(result));
    Write(context.out, TableRow(total, format) + QLatin1Char('\n'));
    return FinishedStatus(context, library);
}
