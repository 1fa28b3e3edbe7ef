// pheltra-cli buildup and shield: their tables against the shielding code,
// the solved thickness read back, the air-kerma rate reaching its target,
// layers in every unit, and every refusal.
#include "shielding/buildup_factor.h"
#include "tests/app/cli/cli_runner.h"

#include <cmath>
#include <string>
#include <vector>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(text);
    while (std::getline(stream, field, separator))
        fields.push_back(field);
    return fields;
}

// The fields of the line that starts with first.
std::vector<std::string> Row(const std::string &out, const std::string &first)
{
    for (const std::string &line : Split(out, '\n'))
        if (line.rfind(first + '\t', 0) == 0)
            return Split(line, '\t');
    ADD_FAILURE() << "no line " << first << " in\n" << out;
    return {};
}

// A column of a shield table by its header name.
double Column(const std::string &out, const std::string &first, const std::string &name)
{
    for (const std::string &line : Split(out, '\n')) {
        if (line.rfind("line_keV\t", 0) != 0)
            continue;
        const std::vector<std::string> header = Split(line, '\t');
        const auto at = std::find(header.begin(), header.end(), name);
        EXPECT_NE(at, header.end()) << name;
        return std::stod(Row(out, first).at(std::size_t(at - header.begin())));
    }
    ADD_FAILURE() << "no header";
    return 0.0;
}

TEST(CliBuildup, PrintsTheShieldingCodesValuesAndItsReasons)
{
    const CliResult result =
        RunInProcess(Args({"buildup", "--absorber", "Lead", "--mfp", "1,40", "--mfp", "50", "1000", "10"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const std::vector<std::string> lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_THAT(lines[0], StartsWith("# build-up factors of ANSI/ANS-6.4.3 (G-P fit), point isotropic source"));
    EXPECT_EQ(lines[1], "energy_keV\tmfp\tbuildup\ttable\tnotes");
    const auto lead = pheltra::BuildupMaterialOf(pheltra::StandardMaterialByName("Lead")->composition);
    const double depths[] = {1.0, 40.0, 50.0};
    for (int i = 0; i < 3; ++i) {
        const std::vector<std::string> row = Split(lines[std::size_t(2 + i)], '\t');
        EXPECT_EQ(std::stod(row.at(2)),
                  pheltra::Buildup(lead, pheltra::BuildupResponse::kExposure, 1000.0, depths[i]).value);
        EXPECT_EQ(row.at(3), "Lead table");
    }
    EXPECT_THAT(lines[4], HasSubstr("extrapolated after Harima et al."));
    EXPECT_THAT(lines[5], HasSubstr("10\t1\t--\tLead table\t10 keV lies outside the build-up factors"));
    EXPECT_THAT(result.err, HasSubstr("no build-up factor for 3 of the rows"));
}

TEST(CliShield, SolvedThicknessGivesTheTargetWhenReadBack)
{
    const CliResult solved = RunInProcess(
        Args({"shield", "--energy", "1250", "--layer", "Iron:2cm", "--layer", "Lead", "--transmission", "0.001"}));
    ASSERT_EQ(solved.status, kExitOk) << solved.err;
    EXPECT_THAT(solved.out,
                StartsWith("# point isotropic source, broad beam with the build-up factors of "
                           "ANSI/ANS-6.4.3, exposure response (air kerma)"));
    EXPECT_THAT(solved.out, HasSubstr("build-up of the last layer's material (Lead)"));
    const std::string layers = Split(solved.out, '\n').at(2);
    const std::size_t from = layers.find("Lead ") + 5;
    const std::string thickness = layers.substr(from, layers.find(" cm", from) - from);
    const CliResult readBack = RunInProcess(
        Args({"shield", "--energy", "1250", "--layer", "Iron:20mm", "--layer", ("Lead:" + thickness + "cm").c_str()}));
    ASSERT_EQ(readBack.status, kExitOk) << readBack.err;
    EXPECT_NEAR(Column(readBack.out, "total", "broad_beam"), 0.001, 1e-12);
    EXPECT_EQ(Row(readBack.out, "1250"), Row(solved.out, "1250"));
}

TEST(CliShield, ReachesTheTargetAirKermaRate)
{
    const CliResult result = RunInProcess(Args({"shield", "--nuclide", "Cs-137", "--layer", "Lead", "--activity",
                                                "1GBq", "--distance", "2", "--dose-rate", "1uGy/h"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    EXPECT_NEAR(Column(result.out, "total", "air_kerma_uGy_h"), 1.0, 1e-9);
    // Without the shield: the air-kerma-rate constant times A / d^2.
    const std::string kerma = Split(result.out, '\n').at(3);
    const std::size_t from = kerma.find("Gamma_20keV ") + 12;
    const double gamma = std::stod(kerma.substr(from));
    EXPECT_NEAR(Column(result.out, "total", "air_kerma_uGy_h_unshielded"), gamma / 4.0, 1e-12 * gamma);
    EXPECT_THAT(result.out, HasSubstr("counted as transmitting nothing")); // the barium X-rays
}

TEST(CliShield, TakesABeamsBinsAsLines)
{
    const CliResult result =
        RunInProcess(Args({"shield", "--kv", "80", "--filter", "Aluminum:2.5mm", "--layer", "Lead:0.5mm"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    EXPECT_THAT(result.out, HasSubstr("# source: the X-ray beam of 80 kV (TASMIP) behind 1 filter layer(s), 71 bins"));
    // Below lead's first tabulated energy (30 keV) the bins go without build-up, and the total says how much.
    EXPECT_THAT(Row(result.out, "29").back(), HasSubstr("Lead table of ANSI/ANS-6.4.3 covers 30 to 15000 keV"));
    EXPECT_THAT(Row(result.out, "total").back(), HasSubstr("lines taken without build-up carry"));
    EXPECT_GT(Column(result.out, "total", "broad_beam"), Column(result.out, "total", "narrow_beam"));
}

TEST(CliShield, TakesLayersInEveryUnitAndAsFormulas)
{
    const char *same[][2] = {{"Lead:1cm", "Lead:11.35g/cm2"},
                             {"Lead:1cm", "Lead:10000um"},
                             {"Water, Liquid:10cm", "formula=H2O,density=1:100mm"}};
    for (const auto &pair : same) {
        const CliResult a = RunInProcess(Args({"shield", "--energy", "662", "--layer", pair[0]}));
        const CliResult b = RunInProcess(Args({"shield", "--energy", "662", "--layer", pair[1]}));
        ASSERT_EQ(a.status, kExitOk) << a.err;
        ASSERT_EQ(b.status, kExitOk) << b.err;
        EXPECT_NEAR(Column(a.out, "total", "broad_beam") / Column(b.out, "total", "broad_beam"), 1.0, 1e-5) << pair[1];
    }
}

TEST(CliShield, RefusesWithOneLine)
{
    const struct
    {
        std::vector<const char *> arguments;
        const char *message;
    } cases[] = {
        {{"--layer", "Lead:1cm"}, "give the source as --energy E, --nuclide NAME or a beam"},
        {{"--energy", "662", "--nuclide", "Co-60", "--layer", "Lead:1cm"}, "give the source as"},
        {{"--energy", "662"}, "no --layer given"},
        {{"--energy", "662", "--layer", "Lead:1"}, "--layer thickness needs a unit"},
        {{"--energy", "662", "--layer", "Unobtainium:1cm"}, "--layer 'Unobtainium:1cm'"},
        {{"--energy", "662", "--layer", "formula=H2O:1cm"}, "needs density=D"},
        {{"--energy", "662", "--layer", "formula=H2Xx,density=1:1cm"}, "unknown element"},
        {{"--energy", "662", "--layer", "Lead", "--layer", "Iron:1cm", "--transmission", "0.1"}, "needs a thickness"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--layer", "Lead:1cm", "--layer", "Lead:1cm", "--layer", "Lead:1cm",
          "--layer", "Lead:1cm", "--layer", "Lead:1cm", "--layer", "Lead:1cm"},
         "at most 6 layers"},
        {{"--energy", "10", "--layer", "Lead:1cm"}, "10 keV lies outside the build-up factors"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--response", "energy-absorption"},
         "no energy-absorption build-up for Lead"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--response", "dose"}, "--response is exposure or"},
        {{"--energy", "662", "--layer", "Lead", "--transmission", "1e-60"}, "no thickness of Lead within 100 mfp"},
        {{"--energy", "662", "--layer", "Lead", "--transmission", "0.1", "--dose-rate", "1uGy/h"}, "not both"},
        {{"--energy", "662", "--layer", "Lead", "--dose-rate", "1uGy/h"}, "needs --activity A and --distance D"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--activity", "1GBq"}, "go together"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--activity", "-1MBq", "--distance", "1"},
         "--activity must lie above 0"},
        {{"--energy", "662", "--layer", "Lead", "--activity", "1kBq", "--distance", "1", "--dose-rate", "1Gy/h"},
         "lies above the"},
        {{"--energy", "15", "--layer", "Water, Liquid:1cm", "--activity", "1GBq", "--distance", "1"},
         "no line of the source lies above the 20 keV cut-off"},
        {{"--nuclide", "Tc-98", "--layer", "Lead:1cm"}, "Tc-98"},
        {{"--kv", "80", "--layer", "Lead:1mm", "--activity", "1GBq", "--distance", "1"}, "a beam has no activity"},
        {{"--kv", "200", "--layer", "Lead:1mm"}, "kV"},
        {{"--energy", "662", "--layer", "Lead:1cm", "--buildup-material", "Silver"}, "is none of the standard's"},
    };
    for (const auto &c : cases) {
        QStringList arguments{QStringLiteral("shield")};
        for (const char *word : c.arguments)
            arguments << QString::fromUtf8(word);
        ExpectRefused(arguments, c.message);
    }
}

} // namespace
