// Random argument vectors: mostly well-formed commands whose options and
// values are drawn from what pheltra-cli knows, mixed with the mistakes users
// make. The tool must never crash, and a refusal must print nothing but its
// one line on stderr.
#include "app/cli/cli_error.h"
#include "tests/app/cli/cli_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <vector>

namespace {

using Words = std::vector<const char *>;

// Good words and bad ones for each kind of value.
struct Vocabulary
{
    Words good;
    Words bad;
};

const Vocabulary kAbsorbers{{"Lead", "lead", "water, liquid", "Carbon:2", "Air, Dry (near sea level):0.5", "Plutonium",
                             "Bone, Cortical (ICRP):3", "POLYETHYLENE:1e-3"},
                            {"Lead:0", "Lead:-1", "Lead:1e9", "Lead:", "Unobtainium", "", ":", "Lead:nan"}};
const Vocabulary kLists{{"1=Lead", "2=water, liquid", "3=Bone, Cortical (ICRP):2,Lead:0.5",
                         "6=Carbon,Lead,Air, Dry (near sea level)", "4=Plutonium:1,Lead:1", "5=Lead Oxide"},
                        {"1=Lead,Lead,Lead,Lead,Lead,Lead,Lead", "7=Lead", "1=", "0=Lead", "Lead", "=", "2=Lead,,"}};
const Vocabulary kSources{{"H", "B", "h", "b", "1=H", "2=B"}, {"X", "9=H", "", "H,B"}};
const Vocabulary kTypes{{"attenuation-total", "energy absorption-total", "(none)", "1=attenuation-pair",
                         "ATTENUATION-COMPTON", "3=energy transfer-p.e."},
                        {"attenuation", "7=attenuation-total", "", "(NONE) "}};
const Vocabulary kEnergies{{"1", "10", "88.29", "20000", "50000", "7.5", "+3", "0.995", "1e2"},
                           {"0", "-5", "60000", "1,5", "nan", "inf", "1e308", "1e-320", "", "x"}};
const Vocabulary kGrids{{"1:2:0.1", "1:100:1", "1:50000:100", "-10:10:1", "1e-3:1:0.5"},
                        {"0:0:0", "5:1:1", "10:20", "1:2:3:4", "1:50000:1e-9"}};
const Vocabulary kLogs{{"1:50000:200", "1:20000:50", "10:10:1", "1:1e9:30"},
                       {"0:10:5", "1:100:0", "1:100:2.5", "a:b:c"}};
const Vocabulary kFormats{{"tsv", "csv"}, {"json", ""}};
const Vocabulary kLocales{{"C", "de_DE", "en_US", "fr_FR"}, {"xx_nowhere", ""}};
const Vocabulary kSelections{{"1,3", "2", "1,2,3,4,5,6", "6"}, {"0,7", "a", ""}};
const Vocabulary kContents{{"both", "composition", "coefficients"}, {"all", ""}};
const Vocabulary kDates{{"2024-03-05", "1999-12-31"}, {"2024-02-30", "5.3.2024"}};
const Vocabulary kTimes{{"14:07:09", "00:00:00"}, {"25:00:00", "noon"}};
const Vocabulary kLegends{{"1=<b>x</b>", "3=<sym>m</sym>/<sym>r</sym>", "2= shield"}, {"x", "9=y"}};
const Vocabulary kFiles{{PHELTRA_SOURCE_DIR "/data/CmpMix.dat"}, {"/nonexistent/CmpMix.dat", ""}};
const Vocabulary kSymbols{{"82", "Fe", "fe2o3", "$1A", "1", "99", "U"}, {"0", "100", "Xx", "2.5", "c ", ""}};
const Vocabulary kNoPositional{{}, {"10", "Lead", "--", "-"}};
const Vocabulary kLayers{
    {"Lead:1cm", "Iron:2mm", "Water, Liquid:10cm", "formula=H2O,density=1:5cm", "Lead", "Concrete, Ordinary:20g/cm2"},
    {"Lead:1", "Lead:-1cm", "Unobtainium:1cm", "formula=H2O:1cm", ":", ""}};
const Vocabulary kResponses{{"exposure", "energy-absorption"}, {"dose", ""}};
const Vocabulary kDepths{{"1,5,10", "40", "0.3,100", "0"}, {"-1", "a", "", "1,,2"}};
const Vocabulary kNuclides{{"Cs-137", "Co-60", "am241", "I-131"}, {"Tc-98", ""}};
const Vocabulary kTransmissions{{"0.5", "1e-3", "1"}, {"0", "2", "x"}};
const Vocabulary kActivities{{"1GBq", "37MBq", "10kBq"}, {"1", "-1GBq", "GBq"}};
const Vocabulary kDistances{{"1", "2m", "0.5"}, {"0", "-1", "x"}};
const Vocabulary kDoseRates{{"1uGy/h", "10mGy/h", "5nGy/h"}, {"1", "-1uGy/h"}};
const Vocabulary kStandardNames{{"Water", "pb", "Concrete"}, {"Silver", ""}};

struct Option
{
    const char *name;
    const Vocabulary *values; // nullptr for a flag
};
struct CommandShape
{
    std::vector<Option> options;
    const Vocabulary *positionals;
    int maxPositionals;
};
const std::map<std::string, CommandShape> kCommands = {
    {"library", {{{"--format", &kFormats}, {"--library", &kFiles}}, &kNoPositional, 0}},
    {"mu",
     {{{"--absorber", &kAbsorbers},
       {"--absorber", &kAbsorbers},
       {"--source", &kSources},
       {"--type", &kTypes},
       {"--grid", &kGrids},
       {"--log", &kLogs},
       {"--edges", nullptr},
       {"--format", &kFormats}},
      &kEnergies,
      4}},
    {"composition",
     {{{"--absorber", &kAbsorbers}, {"--absorber", &kAbsorbers}, {"--legend", &kLegends}, {"--locale", &kLocales}},
      &kNoPositional,
      0}},
    {"report",
     {{{"--set", &kLists},
       {"--set", &kLists},
       {"--source", &kSources},
       {"--type", &kTypes},
       {"--from", &kEnergies},
       {"--to", &kEnergies},
       {"--interval", &kEnergies},
       {"--select", &kSelections},
       {"--content", &kContents},
       {"--date", &kDates},
       {"--time", &kTimes},
       {"--legend", &kLegends},
       {"--locale", &kLocales}},
      &kNoPositional,
      0}},
    {"element", {{{"--locale", &kLocales}, {"--format", &kFormats}}, &kSymbols, 1}},
    {"buildup",
     {{{"--absorber", &kAbsorbers}, {"--mfp", &kDepths}, {"--response", &kResponses}, {"--format", &kFormats}},
      &kEnergies,
      3}},
    {"shield",
     {{{"--energy", &kEnergies},
       {"--nuclide", &kNuclides},
       {"--layer", &kLayers},
       {"--layer", &kLayers},
       {"--buildup-material", &kStandardNames},
       {"--response", &kResponses},
       {"--transmission", &kTransmissions},
       {"--dose-rate", &kDoseRates},
       {"--activity", &kActivities},
       {"--distance", &kDistances}},
      &kNoPositional,
      0}},
};
const Words kStrays = {"--bogus", "--help", "--", "-", "ü", "\t", "--library", "--from=1", "help", "--version"};

TEST(CliRandomArguments, NeverCrashAndRefuseCleanly)
{
    std::mt19937 random(20240305);
    const auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
    const auto pickFrom = [&](const Words &words) {
        return QString::fromUtf8(words[std::uniform_int_distribution<std::size_t>(0, words.size() - 1)(random)]);
    };
    const auto pick = [&](const Vocabulary &words) {
        return pickFrom(words.good.empty() || chance(6) ? words.bad : words.good);
    };
    std::map<int, int> statuses;

    for (int run = 0; run < 1500; ++run) {
        auto command = kCommands.begin();
        std::advance(command, std::uniform_int_distribution<std::size_t>(0, kCommands.size() - 1)(random));
        const CommandShape &shape = command->second;
        QStringList arguments{QString::fromStdString(command->first)};
        for (const Option &option : shape.options) {
            if (!chance(option.name == std::string("--absorber") || option.name == std::string("--set") ? 80 : 40))
                continue;
            arguments << QString::fromLatin1(option.name);
            if (option.values)
                arguments << pick(*option.values);
        }
        for (int i = std::uniform_int_distribution<int>(0, shape.maxPositionals)(random); i > 0; --i)
            arguments << pick(*shape.positionals);
        if (chance(8)) // a stray word somewhere
            arguments.insert(std::uniform_int_distribution<qsizetype>(0, arguments.size())(random), pickFrom(kStrays));
        if (chance(3)) // options and values out of place
            std::shuffle(arguments.begin() + 1, arguments.end(), random);

        const CliResult result = RunInProcess(arguments);
        ++statuses[result.status];
        SCOPED_TRACE(arguments.join(QStringLiteral(" | ")).toStdString());
        ASSERT_TRUE(result.status == kExitOk || result.status == kExitBadInput || result.status == kExitLibraryFault)
            << result.status;
        if (result.status == kExitBadInput || (result.status == kExitLibraryFault && arguments[0] != "library")) {
            ASSERT_TRUE(result.out.empty()) << result.out;
            ASSERT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        }
    }
    // The mix reaches the commands' work as well as their refusals.
    EXPECT_GT(statuses[kExitOk], 300);
    EXPECT_GT(statuses[kExitBadInput], 300);
}

} // namespace
