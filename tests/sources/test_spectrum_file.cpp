// Spectrum files: what each kind of file gives, and every refusal, each
// naming the row at fault.
#include "sources/spectrum_file.h"
#include "tests/sources/expect_source_error.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>

namespace pheltra {
namespace {

constexpr auto kTable = SpectrumFileFormat::Table;
constexpr auto kSpc = SpectrumFileFormat::Spc;

SpectrumReadOptions Options(std::optional<EnergyUnit> unit = std::nullopt, bool perBin = false)
{
    return SpectrumReadOptions{unit, perBin};
}

TEST(SpectrumFile, ReadsEveryKindOfFile)
{
    struct Row
    {
        const char *what;
        std::string text;
        SpectrumFileFormat format;
        SpectrumReadOptions options;
        std::vector<double> energies;
        std::vector<double> fluence; // per bin
    };
    const Row rows[] = {
        {"header names keV", "energy_keV\tfluence\n10\t2\n11\t3\n", kTable, Options(), {10, 11}, {2, 3}},
        {"MeV in a CSV header, per keV over 10-keV bins",
         "Energy [MeV],Fluence\n0.01,1\n0.02,2\n",
         kTable,
         Options(),
         {10, 20},
         {10, 20}},
        {"uneven bins reach halfway to their neighbours",
         "E (keV)\tPhi\n10 1\n20 1\n40 1\n",
         kTable,
         Options(),
         {10, 20, 40},
         {10, 15, 20}},
        {"the comment above the rows names the unit",
         "# made by hand\n# Energy bin [keV]  Fluence [photons cm^-2 keV^-1]\n#\n20 4\n21 5\n",
         kTable,
         Options(),
         {20, 21},
         {4, 5}},
        {"an option wins over a comment",
         "# 120 keV max\n20000 4\n21000 5\n",
         kTable,
         Options(EnergyUnit::EV),
         {20, 21},
         {4, 5}},
        {"decimal commas between semicolons",
         "10,5;3,25\n11,5;1\n",
         kTable,
         Options(EnergyUnit::KeV, true),
         {10.5, 11.5},
         {3.25, 1}},
        {"per bin said by the header", "energy_keV\tfluence_per_bin\n10\t2\n", kTable, Options(), {10}, {2}},
        {"empty bins outside the data's span dropped",
         "keV,n\n0.5,0\n10,2\n60000,0\n",
         kTable,
         Options({}, true),
         {10},
         {2}},
        {"byte-order mark, CR LF, extra columns",
         "\xEF\xBB\xBFkeV\tn\tsigma\r\n10\t2\t0.1\r\n",
         kTable,
         Options({}, true),
         {10},
         {2}},
        {"a .spc file: lower edges in eV, closed by a negative probability",
         "#[ENERGY (eV) | PROBABILITY]\n10000 0.2\n20000 0.8\n30000 -1\n# end\n",
         kSpc,
         Options(),
         {15, 25},
         {0.2, 0.8}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        const Spectrum spectrum = ParseSpectrumText(row.text, row.format, row.options);
        EXPECT_EQ(spectrum.Energies(), row.energies);
        ASSERT_EQ(spectrum.Fluence().size(), row.fluence.size());
        for (std::size_t i = 0; i < row.fluence.size(); ++i)
            EXPECT_NEAR(spectrum.Fluence()[i], row.fluence[i], 1e-12 * row.fluence[i]);
        EXPECT_FALSE(spectrum.IsPerMAsAt1m());
    }
}

TEST(SpectrumFile, RefusesEveryFaultNamingTheRow)
{
    struct Row
    {
        std::string text;
        SpectrumFileFormat format;
        SpectrumReadOptions options;
        const char *message;
    };
    const SpectrumReadOptions keV = Options(EnergyUnit::KeV);
    const Row rows[] = {
        {"energy_keV\tn\nkeV\tn\n", kTable, {}, "line 2: the energy 'keV' is not a number"},
        {"10\t1\nten\t2\n", kTable, keV, "line 2: the energy 'ten' is not a number"},
        {"10\t1\n11\n", kTable, keV, "line 2: expected an energy and a fluence, found one field"},
        {"10\t1\n11\t1e\n", kTable, keV, "line 2: the fluence '1e' is not a number"},
        {"10\t1\n11\tnan\n", kTable, keV, "line 2: the fluence 'nan' is not a number"},
        {"10\t1\n11\t-2\n", kTable, keV, "line 2: the fluence '-2' is negative"},
        {"0\t1\n11\t2\n", kTable, keV, "line 1: the energy '0' is not above 0"},
        {"10\t1\n\n10\t2\n", kTable, keV, "line 3: the energy '10' does not rise above the 10 of line 1"},
        {"E_keV_MeV\tn\n10\t1\n", kTable, {}, "line 1: the header's energy column names more than one unit"},
        {"energy_keV\tn\n10\t1\n11\t1\n", kTable, Options(EnergyUnit::MeV),
         "line 1: the header names keV, but the energies were said to be in MeV"},
        {"10\t1\n11\t1\n", kTable, {}, "does not say whether its energies are in eV, keV or MeV"},
        {"10\t1\n", kTable, keV, "line 1: a fluence per keV needs at least two rows"},
        {"0.5\t1\n10\t1\n", kTable, keV, "line 1: the energy 0.5 keV lies outside the 1 to 50000 keV"},
        {"10\t0\n11\t0\n", kTable, keV, "no photons: every fluence is 0"},
        {"# nothing\n\n", kTable, keV, "the file holds no rows of energy and fluence"},
        {"10000 1\n20000 1\n", kSpc, {}, "ends without the row of negative probability"},
        {"10000 -1\n", kSpc, {}, "line 1: the end row closes no bin"},
        {"10000 1\n20000 -1\n30000 1\n", kSpc, {}, "line 3: a row after the end row (negative probability) of line 2"},
        {"10000 1\n20000 x\n", kSpc, {}, "line 2: the probability 'x' is not a number"},
        {"10000\n", kSpc, {}, "line 1: expected an energy and a probability"},
        {"-5 1\n20000 -1\n", kSpc, {}, "line 1: the energy '-5' is negative"},
        {"10000 1\n20000 -1\n", kSpc, keV, "a .spc file holds energies in eV, not keV"},
        {"", kSpc, {}, "the file holds no rows of energy and probability"},
    };
    for (const Row &row : rows)
        ExpectSourceError([&] { ParseSpectrumText(row.text, row.format, row.options); }, row.message);

    std::string many;
    for (std::size_t i = 1; i <= kMaxSpectrumRows + 1; ++i)
        many += std::to_string(i) + " 1\n";
    ExpectSourceError([&] { ParseSpectrumText(many, kTable, keV); }, "line 100001: more than 100000 rows");
}

TEST(SpectrumFile, RefusesFilesItCannotRead)
{
    QTemporaryDir folder;
    const std::string base = folder.path().toStdString();
    const std::string large = base + "/large.tsv";
    std::ofstream(large) << "10\t1\n";
    std::filesystem::resize_file(large, kMaxSpectrumFileBytes + 1);
    const std::string good = base + "/good.SPC";
    std::ofstream(good) << "10000 1\n20000 -1\n";

    ExpectSourceError([&] { ReadSpectrumFile(base + "/none.tsv", {}); }, "none.tsv': no such file");
    ExpectSourceError([&] { ReadSpectrumFile(base, {}); }, "not a regular file");
    ExpectSourceError([&] { ReadSpectrumFile(large, {}); }, "is larger than 16 MiB");
    EXPECT_EQ(ReadSpectrumFile(good, {}).Energies(), std::vector<double>{15.0});
    const std::string faulty = base + "/faulty.csv";
    std::ofstream(faulty) << "keV,n\n10,1\n11,-1\n";
    ExpectSourceError([&] { ReadSpectrumFile(faulty, {}); }, "faulty.csv: line 3: the fluence '-1' is negative");
}

} // namespace
} // namespace pheltra
