#include "app/mainwindow/program_options.h"

#include "absorber/library_location.h"
#include "app/mainwindow/program_version.h"

namespace {

const char kHelpHead[] =
    "Usage: pheltra [--help | --version | --check-startup] [SETUP.pheltra]\n"
    "\n"
    "Pheltra looks up and plots photon interaction coefficients of materials: the\n"
    "mass coefficient in cm2/g of up to six absorbers (elements, compounds and\n"
    "mixtures of compound library entries) against photon energy in keV on a\n"
    "log-log graph, with the absorption edges of their elements. It opens its main\n"
    "window and over it the start-up window, which tells the version, the compound\n"
    "library that was read and, if the library is missing or faulty, what went\n"
    "wrong; \"Continue\" closes it. Help, Help explains every window.\n"
    "\n"
    "SETUP.pheltra, a set-up saved with File, Save Set-up..., is opened once the\n"
    "start-up window is closed: its data sets, plot range, legend position and\n"
    "title. The user's own materials are read from UserMix.dat in Pheltra's\n"
    "application-data folder (~/.local/share/Pheltra on Linux) after CmpMix.dat.\n"
    "\n";

const char kHelpTail[] =
    "\n"
    "Options:\n"
    "  --help           print this text and exit\n"
    "  --version        print the version and exit\n"
    "  --check-startup  start up to the main window and the start-up window, print\n"
    "                   what the start-up window says and exit with status 0, for\n"
    "                   checking an installation (with QT_QPA_PLATFORM=offscreen no\n"
    "                   display is needed)\n"
    "The windowing system's own options (such as -platform offscreen) are taken\n"
    "too. For numbers in scripts use pheltra-cli, the batch companion.\n"
    "\n"
    "Exit status: 0 when the main window was closed or the start-up checked; 2 for\n"
    "an argument the program cannot use (one line on stderr).\n";

bool IsHelp(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

// Before the windowing system has taken out its options, "-platform
// offscreen" or "-style fusion" may still be there: a one-dash option and
// whatever follows it may be its.
bool MayBeWindowSystems(const QString &argument)
{
    return !argument.startsWith(QLatin1String("--"));
}

} // namespace

ProgramOptions ParseProgramOptions(const QStringList &arguments, bool beforeWindowSystem)
{
    for (const QString &argument : arguments) {
        if (IsHelp(argument))
            return {ProgramOptions::Action::Help, {}, {}};
        if (argument == QLatin1String("--version"))
            return {ProgramOptions::Action::Version, {}, {}};
    }
    ProgramOptions options;
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--check-startup")) {
            options.action = ProgramOptions::Action::CheckStartup;
            continue;
        }
        if (beforeWindowSystem && MayBeWindowSystems(argument))
            continue;
        if (!argument.startsWith(QLatin1Char('-')) && options.setupFile.isEmpty()) {
            options.setupFile = argument;
            continue;
        }
        const QString quoted = QString::fromLatin1(argument.toUtf8().toPercentEncoding(" /=:,+@"));
        return {
            ProgramOptions::Action::Refuse,
            argument.startsWith(QLatin1Char('-'))
                ? QStringLiteral("unknown option '%1' (try --help)").arg(quoted)
                : QStringLiteral("unexpected argument '%1': Pheltra opens one set-up file (try --help)").arg(quoted),
            {}};
    }
    return options;
}

QString ProgramHelpText()
{
    return QString::fromUtf8(kHelpHead) + QString::fromUtf8(kLibraryRuleText) + QString::fromUtf8(kHelpTail);
}

QString ProgramVersionText()
{
    return QStringLiteral("pheltra %1\n").arg(QString::fromLatin1(kPheltraVersion));
}
