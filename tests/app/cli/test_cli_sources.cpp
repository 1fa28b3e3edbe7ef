// pheltra-cli nuclide and beam: their tables, a printed spectrum read back,
// and their refusals.
#include "tests/app/cli/cli_runner.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

using ::testing::HasSubstr;
using ::testing::StartsWith;

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

TEST(CliNuclide, ListsAndShowsNuclides)
{
    const CliResult list = RunInProcess(Args({"nuclide"}));
    EXPECT_EQ(list.status, kExitOk) << list.err;
    EXPECT_EQ(Lines(list.out).size(), 28u);
    EXPECT_THAT(list.out, HasSubstr("\nCo-60\t5.2711\ty\t2\n"));

    const CliResult tc = RunInProcess(Args({"nuclide", "tc99m", "--format", "csv"}));
    EXPECT_EQ(tc.status, kExitOk) << tc.err;
    EXPECT_THAT(tc.out, StartsWith("# Tc-99m: half-life 6.0067 h\n"));
    EXPECT_THAT(tc.out, HasSubstr("\nenergy_keV,yield_per_decay,kind,line,emitter,gamma_uGy_m2_per_GBq_h\n"));
    EXPECT_THAT(tc.out, HasSubstr("\n140.511,0.885,gamma,g,Tc-99,"));
    // Below the 20 keV cut-off a line adds nothing.
    EXPECT_THAT(tc.out, HasSubstr("\n18.251,0.0222,xray,XKa2,Tc-99,--\n"));

    const CliResult rate = RunInProcess(Args({"nuclide", "Co-60", "--activity", "4", "--distance", "2"}));
    const CliResult gamma = RunInProcess(Args({"nuclide", "Co-60"}));
    EXPECT_THAT(Lines(gamma.out).at(1), HasSubstr("constant 305.9 uGy m2/(GBq h) over the lines above 20 keV"));
    EXPECT_THAT(Lines(rate.out).at(2), HasSubstr("# air-kerma rate 305.9 uGy/h at 2 m from 4 GBq, in vacuum"));
}

class CliBeam : public ::testing::Test
{
protected:
    QTemporaryDir folder;

    QString Write(const char *name, const std::string &text)
    {
        const QString path = folder.filePath(QLatin1String(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text.data(), qint64(text.size()));
        return path;
    }
};

TEST_F(CliBeam, PrintedSpectrumReadBackGivesTheSameBeam)
{
    const QStringList filters = Args({"--filter", "Aluminum:2.5mm", "--filter", "Cu:0.1mm"});
    const CliResult tube = RunInProcess(Args({"beam", "--kv", "80"}) + filters);
    ASSERT_EQ(tube.status, kExitOk) << tube.err;
    const std::vector<std::string> lines = Lines(tube.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0],
              "kv\thvl1_mm\tqvl_mm\thvl2_mm\th\tmean_energy_keV\tkerma_mean_energy_keV\t"
              "effective_energy_keV\tair_kerma_uGy_per_mAs_at_1m\tmu_en_ratio");

    const CliResult printed = RunInProcess(Args({"beam", "--kv", "80", "--print-spectrum"}) + filters);
    ASSERT_EQ(printed.status, kExitOk) << printed.err;
    EXPECT_THAT(printed.out, StartsWith("energy_keV\tfluence_per_bin\n10\t"));
    const CliResult file = RunInProcess(Args({"beam", "--spectrum"}) << Write("beam.tsv", printed.out));
    ASSERT_EQ(file.status, kExitOk) << file.err;
    // The same line but for the tube voltage and the kerma per mAs, which a
    // file does not carry.
    std::string expected = Lines(tube.out)[1];
    expected.erase(0, expected.find('\t'));
    const std::size_t kerma = expected.rfind('\t', expected.rfind('\t') - 1) + 1;
    expected.erase(kerma, expected.rfind('\t') - kerma);
    EXPECT_EQ(Lines(file.out).at(1), expected);
}

TEST_F(CliBeam, Refusals)
{
    const QString faulty = Write("faulty.csv", "keV,n\n10,1\n11,x\n");
    const QString missingUnit = Write("bare.tsv", "10\t1\n11\t1\n");
    struct Row
    {
        QStringList arguments;
        const char *message;
    };
    const Row rows[] = {
        {Args({"beam"}), "give either --kv KV or --spectrum FILE"},
        {Args({"beam", "--kv", "80", "--spectrum", "x.tsv"}), "give either --kv KV or --spectrum FILE"},
        {Args({"beam", "--kv", "150"}), "150 kV lies outside"},
        {Args({"beam", "--kv", "80", "--per-bin"}), "describe a --spectrum file, not --kv"},
        {Args({"beam", "--kv", "80", "--filter", "Al2.5mm"}), "--filter is MATERIAL:THICKNESS"},
        {Args({"beam", "--kv", "80", "--filter", "Xq:1mm"}), "--filter 'Xq' is neither a library entry nor a formula"},
        {Args({"beam", "--kv", "80", "--filter", "H2O:1mm"}), "H2O has no density"},
        {Args({"beam", "--kv", "80", "--filter", "Al:1"}), "needs a unit"},
        {Args({"beam", "--kv", "80", "--hvl-material", "Xq"}), "--hvl-material 'Xq'"},
        {Args({"beam", "--spectrum"}) << faulty, "faulty.csv: line 3: the fluence 'x' is not a number"},
        {Args({"beam", "--spectrum"}) << missingUnit, "eV, keV or MeV"},
        {Args({"beam", "--spectrum"}) << missingUnit << QStringLiteral("--energy-unit") << QStringLiteral("pc"),
         "--energy-unit is eV, keV or MeV, not 'pc'"},
        {Args({"nuclide", "Tc-98"}), "unknown nuclide 'Tc-98'"},
        {Args({"nuclide", "Cs-137", "--cutoff", "-1"}), "--cutoff must be 0 or more keV"},
        {Args({"nuclide", "Cs-137", "--distance", "2"}), "--distance needs --activity"},
        {Args({"nuclide", "Cs-137", "--activity", "1", "--distance", "0"}), "distance must be a number of metres"},
        {Args({"nuclide", "--cutoff", "30"}), "--cutoff needs a nuclide NAME"},
    };
    for (const Row &row : rows)
        ExpectRefused(row.arguments, row.message);
    QStringList seven = Args({"beam", "--kv", "80"});
    for (int i = 0; i < 7; ++i)
        seven << QStringLiteral("--filter") << QStringLiteral("Al:1mm");
    ExpectRefused(seven, "at most 6 --filter layers");
}

} // namespace
