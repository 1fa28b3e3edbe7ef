// pheltra-cli's commands run in the test process: values against the data
// libraries' own exports, the report against the program's report code, and
// every refusal with its one-line message and exit status.
#include "absorber/compound_file.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/reports/reports.h"
#include "datalib/b/vornak.h"
#include "datalib/h/selquin.h"
#include "pheltra_version.h"
#include "tests/app/cli/cli_runner.h"
#include "tests/support/file_size_limit.h"
#include "tests/support/named_pipe.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <cstdlib>
#include <utility>
#include <vector>

namespace {

using ::testing::HasSubstr;

// "energy<TAB>value" lines read back as numbers; "--" becomes -1.
std::vector<std::pair<double, double>> Table(const std::string &text)
{
    std::vector<std::pair<double, double>> rows;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const std::size_t tab = line.find('\t');
        const std::string value = line.substr(tab + 1);
        rows.emplace_back(std::strtod(line.c_str(), nullptr),
                          value == "--" ? -1.0 : std::strtod(value.c_str(), nullptr));
    }
    return rows;
}

TEST(CliMu, LeadIsTheLibrarysOwnValue)
{
    const CliResult result = RunInProcess(Args({"mu", "--absorber", "lead", "1", "10", "88.1", "500", "20000"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    const auto rows = Table(result.out);
    ASSERT_EQ(rows.size(), 5u);
    for (const auto &[energy, value] : rows)
        EXPECT_EQ(value, GetMuCoeffB(82, energy, 0)) << energy;
}

TEST(CliMu, WaterIsTheWeightedSumOfTheElementValues)
{
    // The shipped entry's weights, 0.111898 and 0.888102, add up to 1.
    const double hydrogen = static_cast<double>(0.111898f);
    const double oxygen = static_cast<double>(0.888102f);
    for (const auto &[source, mu, type, kind] : {std::tuple{"H", &GetMuCoeffH, "energy absorption-total", 16},
                                                 std::tuple{"B", &GetMuCoeffB, "attenuation-Compton", 3}}) {
        const CliResult result = RunInProcess(
            Args({"mu", "--absorber", "WATER, LIQUID", "--source", source, "--type", type, "--log", "1:20000:25"}));
        ASSERT_EQ(result.status, kExitOk) << result.err;
        const auto rows = Table(result.out);
        ASSERT_EQ(rows.size(), 25u);
        EXPECT_EQ(rows.front().first, 1.0);
        EXPECT_EQ(rows.back().first, 20000.0);
        for (const auto &[energy, value] : rows) {
            const double expected =
                (mu(1, energy, kind) * hydrogen + mu(8, energy, kind) * oxygen) / (hydrogen + oxygen);
            EXPECT_NEAR(value / expected, 1.0, 1e-9) << source << ' ' << energy;
        }
    }
}

TEST(CliMu, MixtureWeightsAndOutOfRangeEnergies)
{
    // One part lead, three parts water by weight, at 30 MeV: source H ends at
    // 20 MeV, so it shows "--" and warns.
    const CliResult result = RunInProcess(
        Args({"mu", "--absorber", "Lead:1", "--absorber", "water, liquid:3", "--source", "h", "100", "30000"}));
    ASSERT_EQ(result.status, kExitOk);
    const auto rows = Table(result.out);
    ASSERT_EQ(rows.size(), 2u);
    const double water = (GetMuCoeffH(1, 100, 0) * 0.111898f + GetMuCoeffH(8, 100, 0) * 0.888102f) /
        (static_cast<double>(0.111898f) + static_cast<double>(0.888102f));
    EXPECT_NEAR(rows[0].second / (0.25 * GetMuCoeffH(82, 100, 0) + 0.75 * water), 1.0, 1e-7);
    EXPECT_EQ(rows[1].second, -1.0);
    EXPECT_THAT(result.err, HasSubstr("warning: source H gives no value at 1 of the energies"));
}

TEST(CliMu, GridsAndEdgesInAscendingOrder)
{
    const CliResult linear = RunInProcess(Args({"mu", "--absorber", "Carbon", "--grid", "1:2:0.1", "1.5"}));
    ASSERT_EQ(linear.status, kExitOk);
    const auto rows = Table(linear.out);
    ASSERT_EQ(rows.size(), 11u); // 1.5 is on the grid already
    EXPECT_EQ(rows.front().first, 1.0);
    EXPECT_EQ(rows.back().first, 2.0);

    // Lead between 10 and 100 keV: the K edge and the L edges, each with the
    // point 1 eV below, as 32-bit energies like the graph's, printed in full.
    const CliResult edges = RunInProcess(Args({"mu", "--absorber", "Lead", "--source", "H", "10", "100", "--edges"}));
    ASSERT_EQ(edges.status, kExitOk) << edges.err;
    EXPECT_THAT(edges.out, HasSubstr("\n88.00450134277344\t")); // 88.0045 as a 32-bit float
    const auto points = Table(edges.out);
    EXPECT_EQ(points.size(), 2u + 4u * 2u);
    for (std::size_t i = 1; i < points.size(); ++i)
        EXPECT_LT(points[i - 1].first, points[i].first);
    // Below each edge the value is lower than on it.
    EXPECT_EQ(static_cast<float>(points[1].first), 13.0352f - 0.001f);
    EXPECT_LT(points[1].second, points[2].second);
}

TEST(CliMu, CsvAndTheNoneType)
{
    const CliResult result =
        RunInProcess(Args({"mu", "--absorber", "Carbon", "--type", "(none)", "--format", "csv", "10"}));
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_EQ(result.out, "10,--\n");
    EXPECT_TRUE(result.err.empty());
}

// --type takes a short name as it takes the window's text, in any case.
TEST(CliMu, ShortTypeNamesGiveTheSameTable)
{
    for (const auto &[shortName, text] :
         {std::pair{"MU_EN_PE", "energy absorption-p.e."}, std::pair{"mu_incoh", "attenuation-Compton"}}) {
        const CliResult byShortName =
            RunInProcess(Args({"mu", "--absorber", "Lead", "--type", shortName, "10", "100"}));
        EXPECT_EQ(byShortName.status, kExitOk) << byShortName.err;
        EXPECT_EQ(byShortName.out, RunInProcess(Args({"mu", "--absorber", "Lead", "--type", text, "10", "100"})).out);
    }
}

TEST(CliRefusals, BadArgumentsNameTheProblemAndPrintNothing)
{
    ExpectRefused(Args({"mu", "--absorber", "Unobtainium", "10"}), "unknown absorber 'Unobtainium'");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--type", "attenuation", "10"}), "unknown coefficient type");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--source", "X", "10"}), "unknown data source 'X'");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--source", "H", "--type", "attenuation-Compton", "10"}),
                  "it offers: (none), attenuation-total, energy absorption-total");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "1,5"}), "malformed number '1,5'");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "nan"}), "malformed number 'nan'");
    ExpectRefused(Args({"mu", "--absorber", "Lead:0", "10"}), "relative weight of 'Lead'");
    ExpectRefused(Args({"mu", "--absorber", "Lead:x", "10"}), "malformed number 'x'");
    ExpectRefused(Args({"mu", "--absorber", "Lead"}), "no energies given");
    ExpectRefused(Args({"mu", "10"}), "no --absorber given");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--grid", "1:2", "10"}), "--grid is FROM:TO:STEP");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--grid", "1:2:0"}), "step above 0");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--grid", "1:50000:0.0001"}), "more than 1000000 energies");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--log", "0:10:5"}), "energies above 0");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--log", "10:1:5"}), "runs from 10 down to 1");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--bogus", "10"}), "unknown option --bogus");
    ExpectRefused(Args({"mu", "--absorber"}), "--absorber needs a value");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--source", "H", "--source", "B", "1"}), "only once");
    QStringList seven = Args({"mu", "1"});
    for (int i = 0; i < 7; ++i)
        seven << QStringLiteral("--absorber") << QStringLiteral("Carbon");
    ExpectRefused(seven, "more than six absorbers");
    ExpectRefused(Args({"plot"}), "unknown command 'plot'");
    ExpectRefused(Args({"element", "Xx"}), "no element matches 'Xx'");
    ExpectRefused(Args({"element", "100"}), "no element matches '100'");
    ExpectRefused(Args({"element"}), "the atomic number or symbol is missing");
    ExpectRefused(Args({"element", "26", "--locale", "xx_nowhere"}), "unknown locale 'xx_nowhere'");
    ExpectRefused(Args({"element", "26", "--format", "json"}), "unknown format 'json'");
}

// No arguments is a refusal like any other: one line that points to --help.
TEST(CliRefusals, EmptyCommandLinePointsToTheHelp)
{
    ExpectRefused({}, "no command given (try --help)");
}

// What the user typed comes back quoted and with every control character
// escaped: a line break cannot add a line, an escape sequence cannot reach
// the terminal.
TEST(CliRefusals, EchoedArgumentsAreEscaped)
{
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--type", "x\ny\x1b[2J", "10"}),
                  "unknown coefficient type 'x\\ny\\u{001b}[2J'");
    ExpectRefused(Args({"plot\r\n\t"}), "unknown command 'plot\\r\\n\\t'");
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--source", "H\u202e", "10"}), "unknown data source 'H\\u{202e}'");
    const CliResult result = RunInProcess(Args({"element", "\x1b]0;title\x07"}));
    EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
    EXPECT_EQ(result.err.find('\x07'), std::string::npos);
}

TEST(CliRefusals, WeightsOutsideTheDialogsBoundsAndNonFiniteGrids)
{
    for (const char *weight : {"Lead:1e-400", "Lead:1e-320", "Lead:1e-4000", "Lead:1e-101", "Lead:100000001"})
        ExpectRefused(Args({"mu", "--absorber", weight, "10"}),
                      "the relative weight of 'Lead' must lie between 1e-100 and 100000000");
    EXPECT_EQ(RunInProcess(Args({"mu", "--absorber", "Lead:1e-100", "--absorber", "Water, Liquid:1e8", "10"})).status,
              kExitOk);
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "2", "--interval", "1e39"}),
                  "--interval 1e39 is beyond the range of the energy grid");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1e4000", "--to", "2", "--interval", "1"}),
                  "--from 1e4000 is beyond the range");
}

// Parsing a list of names takes time in proportion to its length and stops
// at the seventh name: 20000 names used to take about a day.
TEST(CliRefusals, ASeventhAbsorberIsRefusedAtOnce)
{
    QStringList names(20000, QStringLiteral("Bone, Cortical (ICRP)"));
    ExpectRefused(QStringList{"report", "--set", "1=" + names.join(QLatin1Char(',')), "--content", "composition"},
                  "data set 1: more than six absorbers in one data set");
    ExpectRefused(
        Args({"report", "--set", "2=Lead,Lead,Lead,Lead", "--set", "2=Lead,Lead:2,Lead", "--content", "composition"}),
        "data set 2: more than six absorbers");
    EXPECT_EQ(RunInProcess(Args({"report", "--set", "2=Lead,Lead,Lead,Lead", "--set", "2=Lead,Lead:2", "--content",
                                 "composition"}))
                  .status,
              kExitOk);
}

TEST(CliMu, EdgesTellWhenThereAreNoneAndPrintEachEnergyOnce)
{
    ExpectRefused(Args({"mu", "--absorber", "Water, Liquid", "--source", "H", "--edges"}),
                  "the absorber has no absorption edges between 1 and 50000 keV");
    const CliResult result =
        RunInProcess(Args({"mu", "--absorber", "Lead", "--source", "H", "80", "88.0045", "90", "--edges"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    std::istringstream lines(result.out);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line);)
        count += line.rfind("88.0045\t", 0) == 0 ? 1 : 0;
    EXPECT_EQ(count, 1u) << result.out;
    EXPECT_THAT(result.out, HasSubstr("\n88.003"));
}

// A printed edge typed back is the edge itself, not the energy just below
// it: every edge energy is printed in full.
TEST(CliMu, PrintedEdgesReadBackAsTheEdges)
{
    for (const char *source : {"H", "B"}) {
        const CliResult edges =
            RunInProcess(Args({"mu", "--absorber", "Lead", "--source", source, "10", "100", "--edges"}));
        ASSERT_EQ(edges.status, kExitOk) << edges.err;
        for (const auto &[energy, value] : Table(edges.out)) {
            const CliResult again = RunInProcess(Args({"mu", "--absorber", "Lead", "--source", source})
                                                 << QString::number(energy, 'g', 17));
            EXPECT_EQ(Table(again.out).at(0).second, value) << source << " " << energy;
        }
    }
}

// Limits whose ratio overflows give finite energies, every point; a grid
// finer than the numbers tell apart is refused, not printed with points lost.
TEST(CliMu, LogGridsOfExtremeLimits)
{
    const CliResult wide = RunInProcess(Args({"mu", "--absorber", "Lead", "--log", "1e-300:1e300:7"}));
    const auto rows = Table(wide.out);
    ASSERT_EQ(rows.size(), 7u) << wide.out;
    EXPECT_EQ(rows.front().first, 1e-300);
    EXPECT_DOUBLE_EQ(rows[3].first, 1.0);
    EXPECT_EQ(rows.back().first, 1e300);
    EXPECT_EQ(wide.out.find("nan"), std::string::npos);
    EXPECT_EQ(wide.out.find("inf"), std::string::npos);
    ExpectRefused(Args({"mu", "--absorber", "Lead", "--log", "10:10.000000000000002:50"}),
                  "--log 10:10.000000000000002:50: 50 points are more than the numbers between 10 and "
                  "10.000000000000002 tell apart");
}

// An option missing its value does not take the next option as it.
TEST(CliRefusals, AnOptionMissingItsValueDoesNotSwallowTheNext)
{
    ExpectRefused(Args({"slab", "--absorber", "Lead", "--thickness", "--format", "csv", "60"}),
                  "--thickness needs a value");
    ExpectRefused(Args({"mu", "--absorber", "--", "Lead"}), "--absorber needs a value");
    ExpectRefused(Args({"mu", "--absorber", "--density=2", "10"}), "--absorber needs a value");
}

// A stream that takes nothing, as stdout on a full device.
class FullStream : public std::streambuf
{
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
    std::streamsize xsputn(const char *, std::streamsize) override { return 0; }
};

TEST(CliRefusals, EveryWriteFailureEndsWithStatus1)
{
    for (const QStringList &arguments :
         {Args({"--help"}), Args({"--version"}), Args({"mu", "--help"}), Args({"element", "26"}),
          Args({"report", "--set", "1=Lead", "--from", "1", "--to", "20000", "--interval", "1"})}) {
        FullStream full;
        std::ostream out(&full);
        std::ostringstream err;
        EXPECT_EQ(RunCli(arguments, TestContext(), out, err), kExitFailure) << arguments.join(' ').toStdString();
        EXPECT_EQ(err.str(), "pheltra-cli: the output could not be written\n");
    }
}

// The options a help text names ("--name", "--two-words").
QStringList NamedOptions(const QString &help)
{
    QStringList names;
    static const QRegularExpression option(QStringLiteral("--([a-z]+(?:-[a-z]+)*)"));
    for (const QRegularExpressionMatch &match : option.globalMatch(help))
        names << match.captured(1);
    names.removeDuplicates();
    return names;
}

// Every command of the table: its help asked for in each way, listed in the
// tool's help, naming exactly the options the command takes.
TEST(CliHelp, EveryCommandHasItsHelp)
{
    const CliResult usage = RunInProcess(Args({"--help"}));
    EXPECT_EQ(usage.status, kExitOk);
    for (const char *asked : {"-h", "help"})
        EXPECT_EQ(RunInProcess(Args({asked})).out, usage.out) << asked;
    for (const Command &command : Commands()) {
        const std::string name = command.name;
        SCOPED_TRACE(name);
        const CliResult result = RunInProcess(Args({command.name, "--help"}));
        EXPECT_EQ(result.status, kExitOk);
        EXPECT_THAT(result.out, HasSubstr("Usage: pheltra-cli " + name));
        for (const QStringList &asked : {Args({command.name, "-h"}), Args({"help", command.name}),
                                         Args({"-h", command.name}), Args({command.name, "10", "-h"})})
            EXPECT_EQ(RunInProcess(asked).out, result.out) << asked.join(' ').toStdString();
        EXPECT_THAT(usage.out, HasSubstr("\n  " + name + " "));

        QStringList taken;
        for (const OptionSpec &option : command.options)
            taken << QString::fromLatin1(option.name);
        const QStringList named = NamedOptions(QString::fromStdString(result.out));
        for (const QString &option : named)
            EXPECT_TRUE(taken.contains(option)) << "--" << option.toStdString() << " is not an option of " << name;
        for (const QString &option : taken)
            EXPECT_TRUE(option == kHelpOption.name || named.contains(option))
                << "--" << option.toStdString() << " is not in the help of " << name;
    }
    EXPECT_THAT(RunInProcess(Args({"--version"})).out,
                HasSubstr(std::string("pheltra-cli ") + kPheltraVersion + " (Vornak 1.02"));
}

// The help texts quote the limits the refusals (below) name.
TEST(CliHelp, QuotesTheLimitsTheCommandsApply)
{
    EXPECT_THAT(RunInProcess(Args({"mu", "-h"})).out, HasSubstr("(1 to 50000 keV when given alone)"));
    EXPECT_THAT(RunInProcess(Args({"report", "-h"})).out,
                HasSubstr("A and B lie in 1..50000 keV, C is\nat least 0.01; printed, the grid has at most 100000 "));
}

// The same data sets built through the absorber model and given to the
// program's report code.
class CliReport : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_EQ(LoadCompoundLibrary(kShippedLibrary, library_), kLibraryLoaded); }

    void Fill(int index, std::initializer_list<std::pair<const char *, long double>> absorbers, int source, int type,
              const char *legend)
    {
        TCmpDataSet &set = sets_[index];
        std::size_t slot = 0;
        for (const auto &[name, weight] : absorbers) {
            set.AbsorberName[slot] = library_.Name(library_.IndexOf(QString::fromLatin1(name)));
            set.RelWeight[slot++] = weight;
        }
        set.DataSource = static_cast<std::uint8_t>(source);
        set.CoeffType = static_cast<std::int8_t>(type);
        set.Legend = StoredLegend(QString::fromLatin1(legend));
        set.UpdateComposition(library_);
    }

    CompoundLibrary library_;
    DataSets sets_;
};

TEST_F(CliReport, ByteForByteTheProgramsSavedReport)
{
    const CliResult result = RunInProcess(Args({"report",
                                                "--set",
                                                "1=water, liquid",
                                                "--set",
                                                "3=Bone, Cortical (ICRP):2,Lead:0.5",
                                                "--set",
                                                "3=Air, Dry (near sea level)",
                                                "--source",
                                                "3=H",
                                                "--type",
                                                "energy absorption-total",
                                                "--legend",
                                                "3=<b>bone</b>, lead & air",
                                                "--from",
                                                "1",
                                                "--to",
                                                "100",
                                                "--interval",
                                                "7.5",
                                                "--select",
                                                "1,3,4",
                                                "--locale",
                                                "de_DE",
                                                "--date",
                                                "2023-12-24",
                                                "--time",
                                                "08:09:10"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;

    Fill(0, {{"water, liquid", 1.0L}}, kDataSourceB, 11, "");
    Fill(2, {{"Bone, Cortical (ICRP)", 2.0L}, {"Lead", 0.5L}, {"Air, Dry (near sea level)", 1.0L}}, kDataSourceH, 11,
         "<b>bone</b>, lead & air");
    ReportSelection selection;
    selection.dataSets = {true, false, true, true, false, false};
    selection.from = 1.0f;
    selection.to = 100.0f;
    selection.interval = 7.5f;
    const ReportEnvironment environment{QDateTime(QDate(2023, 12, 24), QTime(8, 9, 10)),
                                        QLocale(QLocale::German, QLocale::Germany)};
    const QByteArray expected = SavedReportBytes(SavedReportLines(sets_, selection, environment));
    EXPECT_EQ(QByteArray::fromStdString(result.out), expected);
    EXPECT_THAT(result.out, HasSubstr("Absorber #3: bone, lead & air\r\n"));
    EXPECT_THAT(result.out, HasSubstr("Absorber #4: (no entries)\r\n"));
    EXPECT_THAT(result.out, HasSubstr("\r\n9,85E+1   "));
}

TEST_F(CliReport, OnlyOnePartAndTheGridChecksOfTheDialog)
{
    const CliResult composition =
        RunInProcess(Args({"report", "--set", "2=Lead", "--content", "composition", "--select", "2"}));
    ASSERT_EQ(composition.status, kExitOk) << composition.err;
    EXPECT_THAT(composition.out, HasSubstr("Pheltra: List of absorber materials ------- 5 Mar 2024 / 14:07:09\r\n"));
    EXPECT_THAT(composition.out, ::testing::Not(HasSubstr("Photon attenuation")));

    // 0.996 keV rounds to 1.00 as in the dialog; 0.994 does not.
    EXPECT_EQ(
        RunInProcess(Args({"report", "--set", "1=Lead", "--from", "0.996", "--to", "1", "--interval", "1"})).status,
        kExitOk);
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "0.994", "--to", "1", "--interval", "1"}),
                  "--from must lie between 1 and 50000 keV");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "50001", "--interval", "1"}),
                  "--to must lie between 1 and 50000 keV");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "2", "--interval", "0.004"}),
                  "--interval must be at least 0.01 keV");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "5", "--to", "2", "--interval", "1"}),
                  "--to lies below");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "50000", "--interval", "0.01"}),
                  "at most 100000");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "2"}), "--interval is missing");
    ExpectRefused(Args({"report", "--set", "7=Lead", "--content", "composition"}), "--set needs N=");
    ExpectRefused(Args({"report", "--set", "1=Lead,Unobtainium", "--content", "composition"}),
                  "unknown absorber 'Unobtainium'");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--type", "1=attenuation-pair", "--source", "H", "--content",
                        "composition"}),
                  "data set 1: source H does not offer 'attenuation-pair'");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--content", "composition", "--date", "5.3.2024"}),
                  "--date is YYYY-MM-DD");
    ExpectRefused(Args({"report", "--set", "1=Lead", "--content", "composition", "--select", "0"}),
                  "--select lists data sets 1 to 6");
    ExpectRefused(Args({"report", "--content", "composition"}), "no --set given");
}

// Symbol-font letters come out as the Greek the graph draws, in UTF-8, and
// entities as their characters, in the composition block and the report.
TEST_F(CliReport, LegendsShowGreekLettersAndEntityCharacters)
{
    const char *legend = "<sym>m</sym><sub>en</sub>/<sym>r</sym> &amp; &#65;";
    const CliResult composition = RunInProcess(Args({"composition", "--absorber", "Lead:1", "--legend", legend}));
    ASSERT_EQ(composition.status, kExitOk) << composition.err;
    EXPECT_EQ(composition.out.substr(0, composition.out.find("\r\n")), "Absorber #1: \u03BCen/\u03C1 & A");

    const CliResult report = RunInProcess(
        Args({"report", "--set", "1=Lead", "--legend", "1=<sym>m</sym><sub>en</sub>/<sym>r</sym> &amp; &#65;",
              "--select", "1", "--content", "coefficients", "--from", "10", "--to", "10", "--interval", "1"}));
    ASSERT_EQ(report.status, kExitOk) << report.err;
    EXPECT_NE(report.out.find("Absorber #1:  \u03BCen/\u03C1 & A\r\n"), std::string::npos) << report.out;
}

// --output writes the file Save Data writes, through the same atomic save.
TEST_F(CliReport, OutputWritesTheSameBytesAsTheSavedReport)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("report.txt"));
    const QStringList arguments = Args({"report", "--set", "1=Lead", "--set", "2=Water, Liquid", "--from", "1", "--to",
                                        "200", "--interval", "0.05", "--date", "2024-03-05", "--time", "14:07:09"});
    const CliResult printed = RunInProcess(arguments);
    ASSERT_EQ(printed.status, kExitOk) << printed.err;
    const CliResult saved = RunInProcess(QStringList(arguments) << "--output" << file);
    ASSERT_EQ(saved.status, kExitOk) << saved.err;
    EXPECT_TRUE(saved.out.empty());
    EXPECT_TRUE(saved.err.empty());
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray::fromStdString(printed.out));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"report.txt"});

    // Beyond the 100000 rows printed at most, the file takes the grid.
    EXPECT_EQ(RunInProcess(Args({"report", "--set", "1=Lead", "--from", "1", "--to", "2000", "--interval", "0.01",
                                 "--content", "coefficients", "--output"})
                           << file)
                  .status,
              kExitOk);
    EXPECT_GE(QFileInfo(file).size(), qint64{199901} * 55); // 53 characters and CR LF a row
}

TEST_F(CliReport, OutputRefusesAPipeAndKeepsAFileWholeOnFailure)
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_TRUE(test_support::MakeNamedPipe(pipe));
    const QStringList arguments =
        Args({"report", "--set", "1=Lead", "--from", "1", "--to", "5000", "--interval", "1", "--output"});
    const std::string refusal = QStringLiteral("'%1' is not a regular file.").arg(pipe).toStdString();
    ExpectRefused(QStringList(arguments) << pipe, refusal.c_str());
    EXPECT_TRUE(test_support::IsNamedPipe(pipe));
    ExpectRefused(QStringList(arguments) << "/dev/null", "'/dev/null' is not a regular file.");

    const QString file = dir.filePath(QStringLiteral("report.txt"));
    {
        QFile earlier(file);
        ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
        earlier.write("earlier\r\n");
    }
    CliResult result;
    {
        const test_support::FileSizeLimit full(100000);
        result = RunInProcess(QStringList(arguments) << file);
    }
    EXPECT_EQ(result.status, kExitFailure);
    EXPECT_TRUE(result.out.empty());
    EXPECT_EQ(QString::fromStdString(result.err),
              QStringLiteral("pheltra-cli: could not write %1: File too large\n").arg(file));
    QFile kept(file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "earlier\r\n");
}

TEST_F(CliReport, CompositionIsTheBlockOfTheSavedReport)
{
    const CliResult result = RunInProcess(
        Args({"composition", "--absorber", "Lead:1", "--absorber", "Polyethylene:3", "--legend", "<i>shield</i>"}));
    ASSERT_EQ(result.status, kExitOk) << result.err;
    Fill(0, {{"Lead", 1.0L}, {"Polyethylene", 3.0L}}, kDataSourceB, 1, "<i>shield</i>");
    ReportSelection selection;
    selection.absorptionCoefficients = false;
    selection.dataSets = {true, false, false, false, false, false};
    const QByteArray saved = SavedReportBytes(SavedReportLines(sets_, selection, ReportEnvironment{{}, QLocale::c()}));
    const QByteArray block = QByteArray::fromStdString(result.out);
    EXPECT_TRUE(block.startsWith("Absorber #1: shield\r\n"));
    EXPECT_TRUE(saved.endsWith(block));
    EXPECT_EQ(saved.size() - block.size(), saved.indexOf("Absorber #1:"));
}

TEST(CliElement, TheAtomicDataViewsFields)
{
    const CliResult iron = RunInProcess(Args({"element", "  fe"}));
    ASSERT_EQ(iron.status, kExitOk);
    EXPECT_THAT(iron.out, HasSubstr("Element:\tIron\nAtomic Number:\t26\n"));
    EXPECT_THAT(iron.out, HasSubstr("K:\t7.1120\nL1:\t--\n"));
    const CliResult lead = RunInProcess(Args({"element", "82", "--locale", "de_DE", "--format", "csv"}));
    EXPECT_THAT(lead.out, HasSubstr("Atomic Weight:,\"207,20000\"\n"));
    EXPECT_THAT(lead.out, HasSubstr("K-Yield:,\"0,9830\"\n"));
}

class CliLibrary : public ::testing::Test
{
protected:
    QString Write(const char *contents)
    {
        const QString path = dir_.filePath(QStringLiteral("CmpMix.dat"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }
    QTemporaryDir dir_;
};

TEST_F(CliLibrary, ListsTheEntriesAndWordsTheStatusAsTheSplashWindow)
{
    const QString path = Write(
        "title\r\nWater;H2O;;;src;;;1.0;1;0.111898;8;0.888102\r\n"
        "Carbon black;;;;;;;;6;1\r\nBroken;only a formula\r\nLater;;;;;;;1;1;1\r\n");
    const CliResult result = RunInProcess(Args({"library", "--library", path.toUtf8().constData()}));
    EXPECT_EQ(result.status, kExitLibraryFault);
    EXPECT_EQ(result.out,
              "Error in reading line # 3 of file CmpMix.dat: pair 1 is not an atomic number and a "
              "weight\nCarbon black\t--\t1\nWater\t1\t2\n");
    EXPECT_THAT(result.err, HasSubstr(path.toStdString()));

    // A faulty library still serves the entries before the faulty line, with
    // a warning and status 3; an entry after it is unknown, and says why.
    const CliResult mu =
        RunInProcess(Args({"mu", "--library", path.toUtf8().constData(), "--absorber", "water", "10"}));
    EXPECT_EQ(mu.status, kExitLibraryFault);
    EXPECT_THAT(mu.out, ::testing::StartsWith("10\t"));
    EXPECT_THAT(mu.err, HasSubstr("warning: Error in reading line # 3"));
    ExpectRefused(Args({"mu", "--library", path.toUtf8().constData(), "--absorber", "Later", "10"}),
                  "unknown absorber 'Later' (Error in reading line # 3 of file CmpMix.dat");
}

TEST_F(CliLibrary, MissingFile)
{
    const QString path = dir_.filePath(QStringLiteral("none.dat"));
    const CliResult result = RunInProcess(Args({"library", "--library", path.toUtf8().constData()}));
    EXPECT_EQ(result.status, kExitLibraryFault);
    EXPECT_EQ(result.out, "File CmpMix.dat not found!\n");
    ExpectRefused(Args({"mu", "--library", path.toUtf8().constData(), "--absorber", "Lead", "10"}),
                  "File CmpMix.dat not found!", kExitLibraryFault);
}

// What loads but deserves a word is a warning on stderr with status 0; a
// library that cannot be read says why, with status 3.
TEST_F(CliLibrary, WarningsAndReasons)
{
    const QString path = Write("t\r\nVoid;;;;;;;;-1;1\r\nAir;;;;;;;;7;1\r\n");
    const CliResult warned = RunInProcess(Args({"library", "--library", path.toUtf8().constData()}));
    EXPECT_EQ(warned.status, kExitOk);
    EXPECT_EQ(warned.out, "ok\nAir\t--\t1\nVoid\t--\t0\n");
    EXPECT_EQ(
        QString::fromStdString(warned.err),
        QStringLiteral("pheltra-cli: warning: File CmpMix.dat: 1 entry has no element ('Void') [%1]\n").arg(path));
    ExpectRefused(Args({"mu", "--library", dir_.path().toUtf8().constData(), "--absorber", "Lead", "10"}),
                  "File CmpMix.dat could not be read: it is a folder", kExitLibraryFault);
}

TEST(CliLibraryShipped, AllEntriesLoad)
{
    const CliResult result = RunInProcess(Args({"library", "--format", "csv"}));
    EXPECT_EQ(result.status, kExitOk);
    EXPECT_THAT(result.out, ::testing::StartsWith("ok\n"));
    EXPECT_THAT(result.out, HasSubstr("\n\"Bone, Cortical (ICRP)\",1.85,9\n"));
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1 + 305);
}

} // namespace
