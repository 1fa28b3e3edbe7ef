// The commands of pheltra-cli and what they share.
#pragma once

#include "absorber/data_set.h"
#include "absorber/material/loaded_library.h"
#include "app/cli/cli.h"
#include "app/cli/cli_arguments.h"
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

// Options every command takes.
inline constexpr OptionSpec kHelpOption{"help", false, false};
inline constexpr OptionSpec kLibraryOption{"library", true, false};
inline constexpr OptionSpec kNoUserLibraryOption{"no-user-library", false, false};
inline constexpr OptionSpec kLocaleOption{"locale", true, false};
inline constexpr OptionSpec kFormatOption{"format", true, false};
// Options of the commands that take a material (--absorber).
inline constexpr OptionSpec kAbsorberOption{"absorber", true, true};
inline constexpr OptionSpec kFormulaOption{"formula", true, true};
inline constexpr OptionSpec kDensityOption{"density", true, false};

struct Command
{
    const char *name;
    std::vector<OptionSpec> options;
    int (*run)(const CommandContext &);
    const char *help;
};
const std::vector<Command> &Commands();

int RunLibrary(const CommandContext &context);
int RunMu(const CommandContext &context);
int RunComposition(const CommandContext &context);
int RunReport(const CommandContext &context);
int RunElement(const CommandContext &context);
int RunSlab(const CommandContext &context);

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
