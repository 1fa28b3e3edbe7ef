// pheltra-cli's formulas and slab quantities: a formula material against the
// library's entry, formulas mixed with entries, the slab relations, and the
// refusals.
#include "tests/app/cli/cli_runner.h"

#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

using ::testing::HasSubstr;

std::vector<std::string> Split(const std::string &text, char separator)
{
    std::vector<std::string> fields;
    std::string field;
    std::istringstream stream(text);
    while (std::getline(stream, field, separator))
        fields.push_back(field);
    return fields;
}

// The data lines of a slab table (after the note and the header), as numbers;
// "--" becomes NaN.
std::vector<std::vector<double>> SlabRows(const std::string &text)
{
    std::vector<std::vector<double>> rows;
    const std::vector<std::string> lines = Split(text, '\n');
    for (std::size_t i = 2; i < lines.size(); ++i) {
        std::vector<double> row;
        for (const std::string &field : Split(lines[i], '\t'))
            row.push_back(field == "--" ? std::nan("") : std::stod(field));
        rows.push_back(row);
    }
    return rows;
}

double MuOf(const QStringList &material, const char *energy)
{
    const CliResult result = RunInProcess(QStringList{QStringLiteral("mu")} + material + Args({energy}));
    EXPECT_EQ(result.status, kExitOk) << result.err;
    return std::stod(Split(result.out, '\t').at(1));
}

TEST(CliSlab, QuantitiesFollowFromMuAndTheDensity)
{
    const CliResult result = RunInProcess(
        Args({"slab", "--absorber", "Lead", "--thickness", "0.5mm", "--transmission", "0.01", "60", "100", "0.5"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const std::vector<std::string> lines = Split(result.out, '\n');
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "# narrow-beam values without build-up; density 11.35 g/cm3; thickness 0.05 cm");
    EXPECT_EQ(lines[1],
              "energy_keV\tmu_rho_cm2_g\tmu_1_cm\tmfp_cm\thvl_cm\ttvl_cm\ttransmission\t"
              "thickness_cm_for_0.01");
    const auto rows = SlabRows(result.out);
    const double density = static_cast<double>(11.35f);
    for (std::size_t i = 0; i < 2; ++i) {
        const auto &r = rows[i];
        ASSERT_EQ(r.size(), 8u);
        // mu/rho is the mu command's own value, bit for bit.
        EXPECT_EQ(r[1], MuOf(Args({"--absorber", "Lead"}), i == 0 ? "60" : "100"));
        EXPECT_DOUBLE_EQ(r[2], r[1] * density);
        EXPECT_DOUBLE_EQ(r[3], 1.0 / r[2]);
        EXPECT_DOUBLE_EQ(r[4], std::numbers::ln2 / r[2]);
        EXPECT_DOUBLE_EQ(r[5], std::numbers::ln10 / r[2]);
        EXPECT_DOUBLE_EQ(r[6], std::exp(-r[2] * 0.05));
        EXPECT_DOUBLE_EQ(r[7], -std::log(0.01) / r[2]);
        EXPECT_NEAR(r[7] / r[5], 2.0, 1e-12); // T = 0.01 is two tenth-value layers
    }
    // Below source B's 1 keV every column is "--".
    for (std::size_t column = 1; column < 8; ++column)
        EXPECT_TRUE(std::isnan(rows[2][column])) << column;
    EXPECT_THAT(result.err, HasSubstr("gives no value at 1 of the energies"));
}

TEST(CliSlab, MassThicknessAndAReplacedDensity)
{
    // 1 g/cm2 of aluminium is 1/2.699 cm; a pressed powder at 1.5 g/cm3
    // changes mu but not mu/rho, and 1 g/cm2 transmits the same either way.
    const CliResult solid = RunInProcess(Args({"slab", "--absorber", "Aluminum", "--thickness", "1g/cm2", "30"}));
    const CliResult powder =
        RunInProcess(Args({"slab", "--absorber", "Aluminum", "--density", "1.5", "--thickness", "1 g/cm2", "30"}));
    ASSERT_EQ(solid.status, kExitOk) << solid.err;
    ASSERT_EQ(powder.status, kExitOk) << powder.err;
    EXPECT_THAT(solid.out, HasSubstr("density 2.699 g/cm3; thickness 0.3705076116"));
    EXPECT_THAT(powder.out, HasSubstr("density 1.5 g/cm3"));
    const auto a = SlabRows(solid.out)[0];
    const auto b = SlabRows(powder.out)[0];
    EXPECT_EQ(a[1], b[1]);
    EXPECT_DOUBLE_EQ(b[2], b[1] * 1.5);
    EXPECT_NEAR(a[6], b[6], 1e-15);
    EXPECT_NEAR(a[6], std::exp(-a[1]), 1e-15);
}

// A thickness of -0 is 0, never "-0 cm".
TEST(CliSlab, MinusZeroIsAThicknessOfZero)
{
    for (const char *thickness : {"-0mm", "-0 g/cm2", "-0.0cm"}) {
        const CliResult result =
            RunInProcess(Args({"slab", "--formula", "H2O", "--density", "1", "--thickness", thickness, "60"}));
        ASSERT_EQ(result.status, kExitOk) << result.err;
        EXPECT_THAT(result.out, HasSubstr("; thickness 0 cm\n")) << thickness;
    }
}

TEST(CliFormula, WaterByFormulaIsTheLibrarysWater)
{
    // H2O with Gallomir's weights against the NIST entry (0.111898, 0.888102).
    const QStringList formula = Args({"--formula", "H2O"});
    const QStringList entry = Args({"--absorber", "Water, Liquid"});
    for (const char *energy : {"10", "60", "1000"})
        EXPECT_NEAR(MuOf(formula, energy) / MuOf(entry, energy), 1.0, 2e-5) << energy;

    // A formula material needs no library file.
    CliContext noLibrary = TestContext();
    noLibrary.libraryFile = QStringLiteral("/nonexistent/CmpMix.dat");
    const CliResult alone =
        RunInProcess(Args({"slab", "--formula", "H2O", "--density", "1", "--format", "csv", "60"}), noLibrary);
    EXPECT_EQ(alone.status, kExitOk) << alone.err;
    EXPECT_THAT(alone.out,
                HasSubstr("# narrow-beam values without build-up; density 1 g/cm3\n"
                          "energy_keV,mu_rho_cm2_g,mu_1_cm,mfp_cm,hvl_cm,tvl_cm\n60,"));
    ExpectRefused(Args({"mu", "--formula", "H2O", "--absorber", "Lead", "60", "--library", "/nonexistent/x.dat"}),
                  "not found", kExitLibraryFault);
}

TEST(CliFormula, FormulasMixWithEntriesByWeight)
{
    const CliResult result =
        RunInProcess(Args({"composition", "--absorber", "Lead:1", "--formula", "C2H4:3", "--formula", "Co:0.5",
                           "--formula", "CO:0.5", "--density", "2.5", "--locale", "C"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    EXPECT_THAT(result.out,
                HasSubstr("Lead                                         1\r\n"
                          "C2H4                                         3\r\n"
                          "Co                                           0.5\r\n"
                          "CO                                           0.5\r\n"));
    EXPECT_THAT(result.out, HasSubstr("27   Co  (Cobalt)                            0.1\r\n"));
    EXPECT_THAT(result.out, HasSubstr(" 8   O   (Oxygen)                            0.0571201\r\n"));
    EXPECT_THAT(result.out, HasSubstr("Calc. Electr./cm³: 7."));

    // C2H4 by formula stands in for the library's polyethylene.
    const double entry = MuOf(Args({"--absorber", "Lead:1", "--absorber", "Polyethylene:3"}), "40");
    const double mixed = MuOf(Args({"--absorber", "Lead:1", "--formula", "C2H4:3"}), "40");
    EXPECT_NEAR(mixed / entry, 1.0, 1e-5);
}

TEST(CliFormula, Refusals)
{
    ExpectRefused(Args({"mu", "--formula", "H2Xx", "10"}), "--formula 'H2Xx': unknown element 'Xx' at 3");
    ExpectRefused(Args({"mu", "--formula", "Ca(OH)2)", "10"}), "unbalanced ')' at 8");
    ExpectRefused(Args({"mu", "--formula", "H2O:0", "10"}), "relative weight of 'H2O'");
    ExpectRefused(Args({"mu", "--formula", "H2O", "--density", "0", "10"}), "--density must lie between");
    ExpectRefused(Args({"mu", "--formula", "H2O", "--density", "1e-4000", "10"}),
                  "--density must lie between 1e-30 and 1000 g/cm3");
    ExpectRefused(Args({"mu", "--formula", "H2O", "--density", "1,0", "10"}), "malformed number '1,0'");
    ExpectRefused(Args({"slab", "--formula", "H2O", "60"}), "the material has no density");
    ExpectRefused(Args({"slab", "--formula", "H2O", "--density", "1"}), "no energies given");
    ExpectRefused(Args({"slab", "--formula", "H2O", "--density", "1", "--thickness", "5", "60"}),
                  "--thickness needs a unit");
    ExpectRefused(Args({"slab", "--formula", "H2O", "--density", "1", "--thickness", "-1mm", "60"}),
                  "--thickness must not be negative");
    ExpectRefused(Args({"slab", "--formula", "H2O", "--density", "1", "--thickness", "inf cm", "60"}),
                  "malformed number 'inf'");
    for (const char *t : {"0", "1.5", "-0.1"})
        ExpectRefused(Args({"slab", "--formula", "H2O", "--density", "1", "--transmission", t, "60"}),
                      "--transmission must lie above 0 and at most 1");
    ExpectRefused(Args({"slab", "--absorber", "Lead", "--source", "H", "--type", "attenuation-p.e.", "60"}),
                  "source H does not offer");
    ExpectRefused(Args({"slab", "60"}), "no --absorber given");
}

TEST(CliFormula, AnEntryWithoutDensityNeedsOne)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("CmpMix.dat"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("title\r\nSludge;;;;;;;;1;0.1;8;0.9\r\n");
    file.close();
    ExpectRefused(Args({"slab", "--library", path.toUtf8().constData(), "--absorber", "Sludge", "60"}),
                  "the material has no density");
    const CliResult given = RunInProcess(Args({"slab", "--library", path.toUtf8().constData(), "--absorber", "Sludge",
                                               "--density", "1.2", "--transmission", "1", "60"}));
    ASSERT_EQ(given.status, kExitOk) << given.err;
    EXPECT_EQ(SlabRows(given.out)[0].back(), 0.0); // T = 1 needs no material at all
}

} // namespace
