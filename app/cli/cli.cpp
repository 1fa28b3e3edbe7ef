#include "app/cli/cli.h"

#include "absorber/library_location.h"
#include "absorber/material/density.h"
#include "absorber/material/material_parts.h"
#include "absorber/material/user_library.h"
#include "app/cli/cli_commands.h"
#include "app/cli/cli_error.h"
#include "app/reports/reports.h"
#include "datalib/b/vornak.h"
#include "datalib/h/selquin.h"
#include "datalib/shell/treffid.h"
#include "pheltra_version.h"

namespace {

const char kUsage[] =
    "Usage: pheltra-cli COMMAND [options]\n"
    "\n"
    "The batch companion of Pheltra: the same libraries and report code as the\n"
    "program, for scripts.\n"
    "\n"
    "Commands:\n";

const char kUsageCommandsEnd[] =
    "\n"
    "pheltra-cli COMMAND --help (or -h) tells more.\n"
    "\n";

const char kUsageTail[] =
    "A command that reads the library takes --library FILE to read another.\n"
    "It also reads your own materials, UserMix.dat in Pheltra's application-data\n"
    "folder (~/.local/share/Pheltra on Linux), made in the window; --no-user-library\n"
    "leaves them out.\n"
    "\n"
    "Exit status: 0 done; 2 unusable arguments (one line on stderr, no output);\n"
    "3 the library is missing, unreadable or has a faulty line; 1 the output\n"
    "could not be written.\n";

QString UsageText()
{
    QString text = QString::fromLatin1(kUsage);
    constexpr qsizetype kNameColumn = 13;
    for (const Command &command : Commands())
        text += QStringLiteral("  ") + QString::fromLatin1(command.name).leftJustified(kNameColumn) +
            QString::fromLatin1(command.summary) + QLatin1Char('\n');
    return text + QString::fromLatin1(kUsageCommandsEnd) + QString::fromLatin1(kLibraryRuleText) +
        QString::fromLatin1(kUsageTail);
}

const Command *FindCommand(const QString &name)
{
    for (const Command &command : Commands()) {
        if (name == QLatin1String(command.name))
            return &command;
    }
    return nullptr;
}

// --help, -h or the word help before a command's name.
bool AsksForHelp(const QString &argument)
{
    return argument == Dashed(kHelpOption) || argument == QLatin1String("help") ||
        argument == QStringLiteral("-%1").arg(QLatin1Char(kHelpOption.shortName));
}

QString VersionText()
{
    return QStringLiteral("pheltra-cli %1 (Vornak %2, Selquin %3, Treffid %4)\n")
        .arg(QString::fromLatin1(kPheltraVersion), QString::fromLatin1(GetVornakVersion()),
             QString::fromLatin1(GetSelquinVersion()), QString::fromLatin1(GetTreffidVersion()));
}

} // namespace

QString CliUsageText()
{
    return UsageText();
}

void Write(std::ostream &stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
}

void WriteSavedLines(std::ostream &stream, const QStringList &lines)
{
    const QByteArray bytes = SavedReportBytes(lines);
    stream.write(bytes.constData(), bytes.size());
}

pheltra::LoadedLibrary LoadLibraryOption(const CommandContext &context)
{
    pheltra::LoadedLibrary loaded = pheltra::LoadLibrary(context.line.Value(kLibraryOption, context.cli.libraryFile));
    if (loaded.status < 0)
        throw CliError{loaded.Problem(), kExitLibraryFault};
    AddUserLibraryOption(context, loaded);
    return loaded;
}

void AddUserLibraryOption(const CommandContext &context, pheltra::LoadedLibrary &loaded)
{
    if (context.cli.userLibraryFile.isEmpty() || context.line.Has(kNoUserLibraryOption))
        return;
    if (const QString problem = pheltra::AddUserLibrary(loaded, context.cli.userLibraryFile); !problem.isEmpty())
        WriteMessage(context.err, problem);
}

Material MaterialOption(const CommandContext &context, int source, int type, const QString &legend)
{
    const QStringList absorbers = context.line.Values(kAbsorberOption);
    const QStringList formulas = context.line.Values(kFormulaOption);
    if (absorbers.isEmpty() && formulas.isEmpty())
        throw CliError{QStringLiteral("no %1 given (nor %2)").arg(Dashed(kAbsorberOption), Dashed(kFormulaOption))};
    // A material of formulas alone needs no library file.
    Material material{absorbers.isEmpty() ? pheltra::LoadedLibrary{{}, kLibraryLoaded, {}} : LoadLibraryOption(context),
                      {}};
    std::vector<pheltra::MaterialPart> parts;
    for (const QString &text : absorbers)
        parts.push_back(pheltra::LibraryPart(text, material.library));
    for (const QString &text : formulas)
        parts.push_back(pheltra::FormulaPart(text));
    pheltra::FillDataSetFromParts(material.set, parts, source, type, legend);
    if (context.line.Has(kDensityOption)) {
        pheltra::OverrideDensity(
            material.set,
            pheltra::CheckedDensity(ParseNumber(context.line.Value(kDensityOption), Dashed(kDensityOption))));
    }
    return material;
}

QLocale LocaleOption(const CommandContext &context)
{
    if (!context.line.Has(kLocaleOption))
        return context.cli.locale;
    const QString name = context.line.Value(kLocaleOption);
    const QLocale locale(name);
    // An unknown name gives the C locale, which only "C" itself should.
    if (locale == QLocale::c() && name != QLatin1String("C"))
        throw CliError{QStringLiteral("unknown locale '%1'").arg(name)};
    return locale;
}

TableFormat FormatOption(const CommandContext &context)
{
    return ParseTableFormat(context.line.Value(kFormatOption, QStringLiteral("tsv")));
}

void ExpectPositionals(const CommandContext &context, qsizetype count, const char *what)
{
    const QStringList &positionals = context.line.positionals;
    if (positionals.size() > count)
        throw CliError{QStringLiteral("unexpected argument '%1'").arg(positionals[count])};
    if (positionals.size() < count)
        throw CliError{QStringLiteral("%1 is missing").arg(QLatin1String(what))};
}

void WriteMessage(std::ostream &err, const QString &message)
{
    Write(err, QStringLiteral("pheltra-cli: ") + EscapedForTerminal(message) + QLatin1Char('\n'));
}

void WarnRefusedEnergies(const CommandContext &context, int source, qsizetype refused)
{
    if (refused == 0)
        return;
    WriteMessage(context.err,
                 QStringLiteral("warning: source %1 gives no value at %2 of the energies "
                                "(outside its energy range, or an element it does not hold); shown as --")
                     .arg(QLatin1String(DataSourceAt(source).letter))
                     .arg(refused));
}

int FinishedStatus(const CommandContext &context, const pheltra::LoadedLibrary &library)
{
    if (library.Clean()) {
        // Entries without elements or repeated names: said, but the load
        // was clean.
        if (!library.warning.isEmpty())
            WriteMessage(context.err, QStringLiteral("warning: ") + library.Problem());
        return kExitOk;
    }
    WriteMessage(context.err, QStringLiteral("warning: ") + library.Problem());
    return kExitLibraryFault;
}

namespace {

// Every command ends here: what was printed must have reached its place, or
// the status says it did not.
int Delivered(std::ostream &out, std::ostream &err, int status)
{
    out.flush();
    if (out)
        return status;
    WriteMessage(err, QStringLiteral("the output could not be written"));
    return kExitFailure;
}

} // namespace

int RunCli(const QStringList &arguments, const CliContext &context, std::ostream &out, std::ostream &err)
{
    if (arguments.isEmpty()) {
        WriteMessage(err, QStringLiteral("no command given (try --help)"));
        return kExitBadInput;
    }
    const QString name = arguments.value(0);
    if (AsksForHelp(name)) {
        const Command *command = FindCommand(arguments.value(1));
        Write(out, command ? command->help() : UsageText());
        return Delivered(out, err, kExitOk);
    }
    if (name == QLatin1String("--version")) {
        Write(out, VersionText());
        return Delivered(out, err, kExitOk);
    }
    const Command *command = FindCommand(name);
    if (!command) {
        WriteMessage(err, QStringLiteral("unknown command '%1' (try --help)").arg(name));
        return kExitBadInput;
    }
    try {
        const CommandLine line = ParseCommandLine(arguments.mid(1), command->options);
        if (line.Has(kHelpOption)) {
            Write(out, command->help());
            return Delivered(out, err, kExitOk);
        }
        return Delivered(out, err, command->run(CommandContext{context, line, out, err}));
    } catch (const CliError &error) {
        WriteMessage(err, error.message);
        return error.exitStatus;
    } catch (const pheltra::InputError &error) {
        const CliError cliError = CliErrorOf(error);
        WriteMessage(err, cliError.message);
        return cliError.exitStatus;
    }
}
