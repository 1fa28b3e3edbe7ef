#include "app/tools/shielding_calculation.h"

#include "absorber/compound_library.h"
#include "absorber/material/input_error.h"
#include "absorber/material/number_text.h"
#include "shielding/air_kerma_shares.h"
#include "sources/nuclide.h"
#include "sources/source_error.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace pheltra {

namespace {

// Where the curve ends when neither the shield nor a target gives a
// thickness: the thickness that lets this much through in broad beam.
constexpr double kCurveEndTransmission = 1e-3;
// The curve reaches this far beyond the thickness shown or solved for.
constexpr double kCurveReach = 1.5;

QString Words(const std::string &text)
{
    return QString::fromStdString(text);
}

QString Percent(double share)
{
    return QString::number(100.0 * share, 'g', 3) + QStringLiteral(" %");
}

struct SourceLines
{
    QString text;
    std::vector<PhotonLine> lines;
};

SourceLines Lines(const ShieldingInputs &inputs, const std::optional<Spectrum> &beam, const QString &beamRefusal)
{
    switch (inputs.sourceKind) {
    case ShieldSourceKind::Energy: {
        if (!(inputs.energyKeV > 0.0))
            throw ToolInputError{QStringLiteral("give the photon energy in keV")};
        PhotonLine line;
        line.energyKeV = inputs.energyKeV;
        line.yieldPerDecay = 1.0;
        return {QStringLiteral("one line of %1 keV").arg(ShortestText(inputs.energyKeV)), {line}};
    }
    case ShieldSourceKind::Nuclide: {
        const Nuclide nuclide = FindNuclide(inputs.nuclide.toStdString());
        return {QStringLiteral("%1 (%2 lines)").arg(Words(nuclide.name)).arg(nuclide.lines.size()), nuclide.lines};
    }
    case ShieldSourceKind::Beam:
        break;
    }
    if (!beam)
        throw ToolInputError{QStringLiteral("the X-ray beam: %1").arg(beamRefusal)};
    SourceLines source{QStringLiteral("the X-ray beam (%1 bins)").arg(beam->Size()), {}};
    for (std::size_t i = 0; i < beam->Size(); ++i) {
        PhotonLine line;
        line.energyKeV = beam->Energies()[i];
        line.yieldPerDecay = beam->Fluence()[i];
        if (line.yieldPerDecay > 0.0)
            source.lines.push_back(line);
    }
    return source;
}

std::optional<KermaRates> Kerma(const ShieldingInputs &inputs, const CompoundLibrary &library, ShieldSetup &setup)
{
    const bool given = inputs.activityGBq > 0.0 || inputs.distanceM > 0.0;
    if (!given) {
        if (inputs.target == ShieldTarget::AirKermaRate)
            throw ToolInputError{QStringLiteral("an air-kerma rate target needs the activity and the distance")};
        return std::nullopt;
    }
    if (!(inputs.activityGBq > 0.0) || !(inputs.distanceM > 0.0))
        throw ToolInputError{QStringLiteral("the air-kerma rate needs both the activity and the distance")};
    if (inputs.sourceKind == ShieldSourceKind::Beam)
        throw ToolInputError{QStringLiteral("an X-ray beam has no activity: leave activity and distance empty")};
    if (setup.response != BuildupResponse::kExposure)
        throw ToolInputError{QStringLiteral("an air-kerma rate takes the exposure response")};
    const SourceMaterial air = LibraryMaterial(library, kAirName, kDataSourceB);
    setup.weights = AirKermaRateShares(setup.lines, air);
    KermaRates rates;
    for (const double share : setup.weights)
        rates.gammaConstant += share;
    if (!(rates.gammaConstant > 0.0))
        throw ToolInputError{
            QStringLiteral("no line of the source lies above the %1 keV cut-off of the air-kerma-rate constant")
                .arg(ShortestText(kDefaultCutoffKeV))};
    rates.unshielded = AirKermaRateInVacuum(rates.gammaConstant, inputs.activityGBq, inputs.distanceM);
    return rates;
}

std::optional<double> TargetTransmission(const ShieldingInputs &inputs, const std::optional<KermaRates> &kerma)
{
    switch (inputs.target) {
    case ShieldTarget::None:
        return std::nullopt;
    case ShieldTarget::Transmission:
        if (!(inputs.targetValue > 0.0 && inputs.targetValue <= 1.0))
            throw ToolInputError{QStringLiteral("a target transmission lies above 0 and at most 1")};
        return inputs.targetValue;
    case ShieldTarget::AirKermaRate:
        break;
    }
    if (!(inputs.targetValue > 0.0))
        throw ToolInputError{QStringLiteral("a target air-kerma rate lies above 0")};
    const double transmission = inputs.targetValue / kerma->unshielded;
    if (transmission > 1.0)
        throw ToolInputError{QStringLiteral("the target %1 uGy/h lies above the %2 uGy/h without any shield")
                                 .arg(ShortestText(inputs.targetValue), ShortestText(kerma->unshielded))};
    return transmission;
}

std::vector<ShieldLayer> Layers(const ShieldingInputs &inputs, const CompoundLibrary &library)
{
    if (inputs.layers.empty())
        throw ToolInputError{QStringLiteral("the shield has no layer: add one")};
    std::vector<ShieldLayer> layers;
    for (const LayerChoice &choice : inputs.layers) {
        ShieldLayer layer{ChoiceShieldMaterial(choice.material, library), 0.0};
        const QString name = ChoiceText(choice.material);
        if (!(layer.material.densityGCm3 > 0.0))
            throw ToolInputError{QStringLiteral("%1 has no density in the library: give one").arg(name)};
        layer.thicknessCm = ThicknessCm(choice.thickness, layer.material.densityGCm3, name);
        layers.push_back(std::move(layer));
    }
    return layers;
}

QString BasisText(const ShieldResult &result)
{
    QStringList bases;
    for (const LineResult &line : result.lines) {
        if (line.treatment != LineTreatment::kBuildup)
            continue;
        const QString basis = Words(DescribeBasis(line.buildup.basis));
        if (!bases.contains(basis))
            bases << basis;
    }
    if (bases.isEmpty())
        return QStringLiteral("no line with build-up");
    constexpr qsizetype kListed = 3;
    if (bases.size() > kListed)
        return bases.mid(0, kListed).join(QStringLiteral("; ")) + QStringLiteral("; ... (each line its own)");
    return bases.join(QStringLiteral("; "));
}

QStringList Notes(const ShieldResult &result, const ValueLayers &valueLayers)
{
    QStringList notes;
    if (result.noBuildupShareUnshielded > 0.0) {
        QString reason;
        for (const LineResult &line : result.lines) {
            if (line.treatment == LineTreatment::kNoBuildup) {
                reason = Words(line.buildup.refusal);
                break;
            }
        }
        notes << QStringLiteral(
                     "Lines taken without build-up (B = 1) carry %1 of the unshielded and %2 of the "
                     "transmitted response (%3).")
                     .arg(Percent(result.noBuildupShareUnshielded), Percent(result.noBuildupShareTransmitted), reason);
    }
    if (result.beyondReachShareUnshielded > 0.0)
        notes << QStringLiteral(
                     "Lines deeper than 100 mfp, %1 of the unshielded response, count as transmitting "
                     "nothing.")
                     .arg(Percent(result.beyondReachShareUnshielded));
    for (const std::string &flag : BuildupFlagTexts(result.flags))
        notes << Words(flag);
    if (!valueLayers.ok())
        notes << QStringLiteral("Broad-beam value layers: %1").arg(Words(valueLayers.refusal));
    return notes;
}

double CurveEnd(const Shield &shield, const ShieldingOutcome &outcome)
{
    double end = kCurveReach * std::max(outcome.setup.layers.back().thicknessCm, outcome.solvedThicknessCm.value_or(0));
    if (end > 0.0)
        return end;
    const ThicknessSolution reach = shield.ThicknessFor(kCurveEndTransmission);
    return reach.ok() && reach.thicknessCm > 0.0 ? kCurveReach * reach.thicknessCm : 1.0;
}

std::vector<CurvePoint> Curve(const Shield &shield, double end)
{
    std::vector<CurvePoint> curve;
    curve.reserve(kCurvePoints);
    for (int i = 0; i < kCurvePoints; ++i) {
        const double thickness = end * i / (kCurvePoints - 1);
        const ShieldResult at = shield.EvaluateWithLastLayer(thickness);
        if (at.ok())
            curve.push_back({thickness, at.narrowBeam, at.broadBeam});
    }
    return curve;
}

void Compute(const ShieldingInputs &inputs, const CompoundLibrary &library, const std::optional<Spectrum> &beam,
             const QString &beamRefusal, ShieldingOutcome &outcome)
{
    ShieldSetup &setup = outcome.setup;
    setup.response = inputs.response;
    if (!inputs.buildupMaterial.isEmpty()) {
        setup.buildupMaterial = StandardMaterialByName(inputs.buildupMaterial.toStdString());
        if (setup.buildupMaterial == nullptr)
            throw ToolInputError{
                QStringLiteral("'%1' is none of the standard's materials").arg(inputs.buildupMaterial)};
    }
    SourceLines source = Lines(inputs, beam, beamRefusal);
    outcome.sourceText = source.text;
    setup.lines = std::move(source.lines);
    setup.layers = Layers(inputs, library);
    outcome.kerma = Kerma(inputs, library, setup);
    outcome.targetTransmission = TargetTransmission(inputs, outcome.kerma);

    auto shield = std::make_shared<const Shield>(setup);
    if (!shield->Fault().empty())
        throw ToolInputError{Words(shield->Fault())};
    outcome.result = shield->Evaluate();
    if (!outcome.result.ok())
        throw ToolInputError{Words(outcome.result.refusal)};
    if (outcome.targetTransmission) {
        const ThicknessSolution solution = shield->ThicknessFor(*outcome.targetTransmission);
        if (!solution.ok())
            throw ToolInputError{Words(solution.refusal)};
        outcome.solvedThicknessCm = solution.thicknessCm;
    }
    if (outcome.kerma)
        outcome.kerma->shielded = outcome.kerma->unshielded * outcome.result.broadBeam;
    outcome.valueLayers = BroadBeamValueLayers(setup);
    outcome.basis = BasisText(outcome.result);
    outcome.notes = Notes(outcome.result, outcome.valueLayers);
    outcome.curve = Curve(*shield, CurveEnd(*shield, outcome));
    outcome.shield = std::move(shield);
}

} // namespace

ShieldingOutcome ComputeShielding(const ShieldingInputs &inputs, const CompoundLibrary &library,
                                  const std::optional<Spectrum> &beam, const QString &beamRefusal)
{
    ShieldingOutcome outcome;
    try {
        Compute(inputs, library, beam, beamRefusal, outcome);
    } catch (const ToolInputError &error) {
        outcome.refusal = error.message;
    } catch (const SourceError &error) {
        outcome.refusal = QString::fromUtf8(error.what());
    } catch (const InputError &error) {
        outcome.refusal = Worded(error, FieldName(error.field), FieldName(error.field));
    }
    if (!outcome.ok()) {
        const QString refusal = outcome.refusal;
        outcome = ShieldingOutcome{};
        outcome.refusal = refusal;
    }
    return outcome;
}

std::vector<ResultRow> ShieldingSummary(const ShieldingOutcome &outcome)
{
    const ShieldResult &result = outcome.result;
    const ValueLayers &layers = outcome.valueLayers;
    const double deepest = outcome.result.lines.empty()
        ? std::numeric_limits<double>::quiet_NaN()
        : std::min_element(result.lines.begin(), result.lines.end(), [](const LineResult &a, const LineResult &b) {
              return a.depthMfp < b.depthMfp;
          })->depthMfp;
    std::vector<ResultRow> rows{
        {QStringLiteral("Depth (most penetrating line)"), deepest, QStringLiteral("mfp")},
        {QStringLiteral("Narrow-beam transmission"), result.narrowBeam, QString()},
        {QStringLiteral("Build-up factor"), result.buildup, QString()},
        {QStringLiteral("Broad-beam transmission"), result.broadBeam, QString()},
        {QStringLiteral("First HVL of the last layer"), layers.firstHvl, QStringLiteral("cm")},
        {QStringLiteral("Equilibrium HVL of the last layer"), layers.equilibriumHvl, QStringLiteral("cm")},
        {QStringLiteral("First TVL of the last layer"), layers.firstTvl, QStringLiteral("cm")},
        {QStringLiteral("Equilibrium TVL of the last layer"), layers.equilibriumTvl, QStringLiteral("cm")},
    };
    if (outcome.kerma) {
        rows.push_back({QStringLiteral("Air-kerma-rate constant"), outcome.kerma->gammaConstant,
                        QStringLiteral("\u00b5Gy m\u00b2/(GBq h)")});
        rows.push_back({QStringLiteral("Air-kerma rate without the shield"), outcome.kerma->unshielded,
                        QStringLiteral("\u00b5Gy/h")});
        rows.push_back({QStringLiteral("Air-kerma rate behind the shield"), outcome.kerma->shielded,
                        QStringLiteral("\u00b5Gy/h")});
    }
    if (outcome.solvedThicknessCm)
        rows.push_back({QStringLiteral("Last layer for the target"), *outcome.solvedThicknessCm, QStringLiteral("cm")});
    return rows;
}

QStringList ShieldingLineHeader()
{
    return {QStringLiteral("line_keV"),  QStringLiteral("yield"),       QStringLiteral("response_share"),
            QStringLiteral("depth_mfp"), QStringLiteral("narrow_beam"), QStringLiteral("buildup"),
            QStringLiteral("broad_beam")};
}

std::vector<std::vector<double>> ShieldingLineRows(const ShieldingOutcome &outcome)
{
    const ShieldResult &result = outcome.result;
    double weightSum = 0.0;
    for (const LineResult &line : result.lines)
        weightSum += line.weight;
    std::vector<std::vector<double>> rows;
    for (const LineResult &line : result.lines) {
        // A line beyond reach has no build-up factor.
        const double buildup = line.buildup.value > 0.0 ? line.buildup.value : std::numeric_limits<double>::quiet_NaN();
        rows.push_back({line.line.energyKeV, line.line.yieldPerDecay, line.weight / weightSum, line.depthMfp,
                        line.narrowBeam, buildup, line.broadBeam});
    }
    constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    if (!result.lines.empty())
        rows.push_back({kNone, kNone, 1.0, kNone, result.narrowBeam, result.buildup, result.broadBeam});
    return rows;
}

} // namespace pheltra
