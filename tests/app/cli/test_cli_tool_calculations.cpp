// pheltra-cli's figures are the tool windows': each row computes a shield or a
// beam through the windows' calculations and runs the batch tool with the same
// inputs, and the numbers must agree to the last digit the tool prints.
#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "absorber/material/number_text.h"
#include "app/tools/beam_calculation.h"
#include "app/tools/shielding_calculation.h"
#include "app/tools/tool_reports.h"
#include "tests/app/cli/cli_runner.h"

#include <QStringList>

namespace {

using pheltra::LayerChoice;
using pheltra::ThicknessUnit;

const CompoundLibrary &Library()
{
    static const CompoundLibrary library = [] {
        CompoundLibrary loaded;
        EXPECT_EQ(LoadCompoundLibrary(kShippedLibrary, loaded), kLibraryLoaded);
        return loaded;
    }();
    return library;
}

QStringList OutputLines(const QStringList &arguments)
{
    const CliResult result = RunInProcess(arguments);
    EXPECT_EQ(result.status, kExitOk) << result.err;
    return QString::fromStdString(result.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// The named columns of the line that starts with `first`, under the header
// that starts with `headerStart`.
QMap<QString, QString> Columns(const QStringList &lines, const QString &headerStart, const QString &first)
{
    QStringList header;
    QMap<QString, QString> columns;
    for (const QString &line : lines) {
        const QStringList fields = line.split(QLatin1Char('\t'));
        if (fields.first() == headerStart)
            header = fields;
        else if (fields.first() == first && !header.isEmpty())
            for (qsizetype i = 0; i < header.size() && i < fields.size(); ++i)
                columns[header[i]] = fields[i];
    }
    return columns;
}

LayerChoice Layer(const char *material, double value, ThicknessUnit unit, bool formula = false, double density = 0)
{
    return {{QString::fromUtf8(material), formula, density}, {value, unit}};
}

struct ShieldRow
{
    const char *name;
    pheltra::ShieldingInputs inputs;
    QStringList arguments;
};

class ShieldAsTheBatchTool : public ::testing::TestWithParam<ShieldRow>
{ };

TEST_P(ShieldAsTheBatchTool, GivesItsFigures)
{
    const ShieldRow &row = GetParam();
    const pheltra::ShieldingOutcome outcome = pheltra::ComputeShielding(row.inputs, Library());
    ASSERT_TRUE(outcome.ok()) << outcome.refusal.toStdString();
    const QStringList lines = OutputLines(row.arguments);
    const QMap<QString, QString> total = Columns(lines, QStringLiteral("line_keV"), QStringLiteral("total"));
    ASSERT_FALSE(total.isEmpty()) << lines.join(QLatin1Char('\n')).toStdString();
    // With a target the batch tool reports the shield at the solved
    // thickness, which the window gives beside the figures of the shield as
    // it stands.
    pheltra::ShieldResult result = outcome.result;
    if (outcome.solvedThicknessCm) {
        result = outcome.shield->EvaluateWithLastLayer(*outcome.solvedThicknessCm);
        const QString solved = pheltra::ShortestText(*outcome.solvedThicknessCm) + QStringLiteral(" cm");
        EXPECT_TRUE(lines.filter(QStringLiteral("# layers")).join(QString()).contains(solved)) << solved.toStdString();
    }
    EXPECT_EQ(pheltra::ShortestText(result.narrowBeam), total["narrow_beam"]);
    EXPECT_EQ(pheltra::ShortestText(result.buildup), total["buildup"]);
    EXPECT_EQ(pheltra::ShortestText(result.broadBeam), total["broad_beam"]);
    EXPECT_EQ(pheltra::ShortestText(outcome.valueLayers.firstHvl), total["hvl1_cm"]);
    EXPECT_EQ(pheltra::ShortestText(outcome.valueLayers.equilibriumTvl), total["tvle_cm"]);
    if (outcome.kerma && !outcome.solvedThicknessCm) {
        EXPECT_EQ(pheltra::ShortestText(outcome.kerma->unshielded), total["air_kerma_uGy_h_unshielded"]);
        EXPECT_EQ(pheltra::ShortestText(outcome.kerma->shielded), total["air_kerma_uGy_h"]);
    }
}

pheltra::ShieldingInputs Nuclide(const char *name, std::vector<LayerChoice> layers, double activityGBq = 0,
                                 double distanceM = 0)
{
    pheltra::ShieldingInputs inputs;
    inputs.nuclide = QString::fromLatin1(name);
    inputs.layers = std::move(layers);
    inputs.activityGBq = activityGBq;
    inputs.distanceM = distanceM;
    return inputs;
}

pheltra::ShieldingInputs Energy(double keV, std::vector<LayerChoice> layers)
{
    pheltra::ShieldingInputs inputs;
    inputs.sourceKind = pheltra::ShieldSourceKind::Energy;
    inputs.energyKeV = keV;
    inputs.layers = std::move(layers);
    return inputs;
}

pheltra::ShieldingInputs WithTarget(pheltra::ShieldingInputs inputs, pheltra::ShieldTarget target, double value)
{
    inputs.target = target;
    inputs.targetValue = value;
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShieldAsTheBatchTool,
    ::testing::Values(
        ShieldRow{
            "Cs137Lead", Nuclide("Cs-137", {Layer("Lead", 2, ThicknessUnit::Cm)}, 1.0, 2.0),
            Args({"shield", "--nuclide", "Cs-137", "--layer", "Lead:2cm", "--activity", "1GBq", "--distance", "2"})},
        ShieldRow{"WaterThenLeadAt1MeV",
                  Energy(1000, {Layer("Water, Liquid", 30, ThicknessUnit::Cm), Layer("Lead", 10, ThicknessUnit::Mm)}),
                  Args({"shield", "--energy", "1000", "--layer", "Water, Liquid:30cm", "--layer", "Lead:10mm"})},
        ShieldRow{"Co60ConcreteForADoseRate",
                  WithTarget(Nuclide("Co-60", {Layer("Concrete, Ordinary", 10, ThicknessUnit::Cm)}, 1.0, 2.0),
                             pheltra::ShieldTarget::AirKermaRate, 1.0),
                  Args({"shield", "--nuclide", "Co-60", "--layer", "Concrete, Ordinary", "--activity", "1GBq",
                        "--distance", "2", "--dose-rate", "1uGy/h"})},
        ShieldRow{"Tc99mFormulaForATransmission",
                  WithTarget(Nuclide("Tc-99m", {Layer("PbO", 1, ThicknessUnit::Mm, true, 9.53)}),
                             pheltra::ShieldTarget::Transmission, 0.001),
                  Args({"shield", "--nuclide", "Tc-99m", "--layer", "formula=PbO,density=9.53:1mm", "--transmission",
                        "0.001"})}),
    [](const auto &row) { return std::string(row.param.name); });

struct BeamRow
{
    const char *name;
    pheltra::BeamInputs inputs;
    QStringList arguments;
};

class BeamAsTheBatchTool : public ::testing::TestWithParam<BeamRow>
{ };

TEST_P(BeamAsTheBatchTool, GivesItsFigures)
{
    const BeamRow &row = GetParam();
    const pheltra::BeamOutcome outcome = pheltra::ComputeBeam(row.inputs, Library());
    ASSERT_TRUE(outcome.ok()) << outcome.refusal.toStdString();
    const QStringList lines = OutputLines(row.arguments);
    ASSERT_EQ(lines.size(), 2);
    const QStringList header = lines[0].split(QLatin1Char('\t'));
    const QStringList values = lines[1].split(QLatin1Char('\t'));
    // The batch tool prints five significant digits; the window lists the
    // same quantities in the same order after the tube voltage.
    const std::vector<pheltra::ResultRow> rows = pheltra::BeamSummary(outcome);
    ASSERT_EQ(header.size(), qsizetype(rows.size()) + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const double value = rows[i].value;
        EXPECT_EQ(std::isfinite(value) ? QString::number(value, 'g', 5) : QString(), values[qsizetype(i) + 1])
            << header[qsizetype(i) + 1].toStdString();
    }
}

pheltra::BeamInputs Tube(double kv, std::vector<LayerChoice> filters, const char *hvlMaterial = "Aluminum",
                         const char *medium = "Water, Liquid")
{
    pheltra::BeamInputs inputs;
    inputs.kv = kv;
    inputs.filters = std::move(filters);
    inputs.hvlMaterial = {QString::fromUtf8(hvlMaterial)};
    inputs.medium = {QString::fromUtf8(medium)};
    return inputs;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, BeamAsTheBatchTool,
    ::testing::Values(BeamRow{"Kv80Aluminium", Tube(80, {Layer("Aluminum", 2.5, ThicknessUnit::Mm)}),
                              Args({"beam", "--kv", "80", "--filter", "Aluminum:2.5mm"})},
                      BeamRow{"Kv120CopperHvlInBone",
                              Tube(120,
                                   {Layer("Aluminum", 3, ThicknessUnit::Mm), Layer("Copper", 0.1, ThicknessUnit::Mm)},
                                   "Copper", "Bone, Cortical (ICRP)"),
                              Args({"beam", "--kv", "120", "--filter", "Aluminum:3mm", "--filter", "Copper:0.1mm",
                                    "--hvl-material", "Copper", "--medium", "Bone, Cortical (ICRP)"})}),
    [](const auto &row) { return std::string(row.param.name); });

struct RefusalRow
{
    const char *name;
    pheltra::ShieldingInputs inputs;
    const char *says;
};

class ShieldingRefusal : public ::testing::TestWithParam<RefusalRow>
{ };

// A refused input computes nothing and says why in one line.
TEST_P(ShieldingRefusal, ComputesNothing)
{
    const pheltra::ShieldingOutcome outcome = pheltra::ComputeShielding(GetParam().inputs, Library());
    EXPECT_THAT(outcome.refusal.toStdString(), ::testing::HasSubstr(GetParam().says));
    EXPECT_FALSE(outcome.refusal.contains(QLatin1Char('\n')));
    EXPECT_TRUE(outcome.curve.empty());
    EXPECT_TRUE(outcome.result.lines.empty());
    EXPECT_EQ(pheltra::ShieldingCopyLines(outcome), QStringList{outcome.refusal});
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ShieldingRefusal,
    ::testing::Values(RefusalRow{"BelowTheStandard", Energy(10, {Layer("Lead", 1, ThicknessUnit::Mm)}), "15"},
                      RefusalRow{"NoLayer", Energy(662, {}), "no layer"},
                      RefusalRow{"DistanceWithoutActivity",
                                 Nuclide("Cs-137", {Layer("Lead", 1, ThicknessUnit::Cm)}, 0, 2),
                                 "both the activity and the distance"},
                      RefusalRow{"RateTargetWithoutActivity",
                                 WithTarget(Nuclide("Cs-137", {Layer("Lead", 1, ThicknessUnit::Cm)}),
                                            pheltra::ShieldTarget::AirKermaRate, 1),
                                 "needs the activity"},
                      RefusalRow{"BeamWithoutBeam",
                                 [] {
                                     pheltra::ShieldingInputs inputs = Energy(0, {Layer("Lead", 1, ThicknessUnit::Mm)});
                                     inputs.sourceKind = pheltra::ShieldSourceKind::Beam;
                                     return inputs;
                                 }(),
                                 "the X-ray beam"}),
    [](const auto &row) { return std::string(row.param.name); });

} // namespace
