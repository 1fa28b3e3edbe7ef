// The commands of pheltra-cli and what they share.
#pragma once

#include "absorber/data_set.h"
#include "absorber/material/loaded_library.h"
#include "app/cli/cli.h"
#include "app/cli/cli_arguments.h"
#include "app/cli/cli_options.h"
#include "app/cli/cli_text.h"

#include <ostream>
#include <vector>

struct CommandContext
{
    const CliContext &cli;
    const CommandLine &line;
    std::ostream &out;
    std::ostream &err;
};

// Rows report prints to stdout at most; --output takes every grid the dialog
// takes (up to 4999901 rows, 1 to 50000 keV by 0.01), as Save Data does after
// its count question.
inline constexpr int kMaxPrintedReportRows = 100000;

struct Command
{
    const char *name;
    const char *summary; // its line in pheltra-cli --help
    std::vector<OptionSpec> options;
    int (*run)(const CommandContext &);
    QString (*help)(); // the text of --help, its numbers from the constants they are
};
const std::vector<Command> &Commands();

int RunLibrary(const CommandContext &context);
int RunMu(const CommandContext &context);
int RunComposition(const CommandContext &context);
int RunReport(const CommandContext &context);
int RunElement(const CommandContext &context);
int RunSlab(const CommandContext &context);
// The sources commands keep their options and help beside their code.
int RunNuclide(const CommandContext &context);
int RunBeam(const CommandContext &context);
std::vector<OptionSpec> NuclideOptions();
std::vector<OptionSpec> BeamOptions();
QString NuclideHelp();
QString BeamHelp();
int RunBuildup(const CommandContext &context);
int RunShield(const CommandContext &context);

// The library named by --library or the working folder's CmpMix.dat, and
// after it the user's UserMix.dat unless --no-user-library. A file that is
// missing or unreadable throws (exit status 3); after a faulty line the
// entries before it are used (FinishedStatus warns); a faulty user library
// is warned about on stderr and never stops the command.
pheltra::LoadedLibrary LoadLibraryOption(const CommandContext &context);
// The user's library added to loaded, unless --no-user-library; a fault in it
// is warned about on stderr.
void AddUserLibraryOption(const CommandContext &context, pheltra::LoadedLibrary &loaded);
// The material of the --absorber options (looked up in the library, which is
// read for them) and the --formula options as one data set; --density
// replaces its density.
struct Material
{
    pheltra::LoadedLibrary library;
    TCmpDataSet set;
};
Material MaterialOption(const CommandContext &context, int source, int type, const QString &legend);
// --locale NAME, or the user's locale.
QLocale LocaleOption(const CommandContext &context);
// --format tsv|csv, tsv when absent.
TableFormat FormatOption(const CommandContext &context);
// Throws unless the command got exactly the positional arguments it takes.
void ExpectPositionals(const CommandContext &context, qsizetype count, const char *what);

// The atomic number of an element given as the atomic data view takes it
// (a number 1 to 99 or a symbol); throws when none matches.
int ElementArgument(const QString &input);

// Text to a stream as UTF-8.
void Write(std::ostream &stream, const QString &text);
// "pheltra-cli: " and the message as one line, echoed arguments in it
// escaped so that they cannot break the line or reach the terminal raw.
void WriteMessage(std::ostream &err, const QString &message);
// The saved-report bytes of lines: UTF-8, each line ended by CR LF.
void WriteSavedLines(std::ostream &stream, const QStringList &lines);
// A warning on err when the source gave no value at refused of the energies.
void WarnRefusedEnergies(const CommandContext &context, int source, qsizetype refused);
// The status a command that printed everything ends with: 0, or 3 with a
// warning on err after a library with a faulty line.
int FinishedStatus(const CommandContext &context, const pheltra::LoadedLibrary &library);
