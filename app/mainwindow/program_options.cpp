#include "app/mainwindow/program_options.h"

#include "absorber/library_location.h"
#include "pheltra_version.h"

namespace {

const char kHelpHead[] =
    "Usage: pheltra [-h | --help | --version | --check-startup] [SETUP.pheltra]\n"
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
    "  -h, --help       print this text and exit\n"
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

// The windowing system's own options, as Qt takes them out of the command
// line; Qt reads "--name" as "-name" too.
struct WindowSystemOption
{
    const char *name;
    bool takesValue; // the next argument, or "-name=value"
};
constexpr WindowSystemOption kWindowSystemOptions[] = {
    {"platform", true},        {"platformpluginpath", true},
    {"platformtheme", true},   {"plugin", true},
    {"qwindowgeometry", true}, {"qwindowicon", true},
    {"qwindowtitle", true},    {"session", true},
    {"display", true},         {"geometry", true},
    {"style", true},           {"stylesheet", true},
    {"qmljsdebugger", true},   {"reverse", false},
    {"widgetcount", false},    {"nograb", false},
    {"dograb", false},         {"sync", false},
};

// The option argument names, or nullptr. Its "=value" part, if any, in value.
const WindowSystemOption *FindWindowSystemOption(const QString &argument, bool &hasInlineValue)
{
    if (!argument.startsWith(QLatin1Char('-')))
        return nullptr;
    QStringView name = QStringView(argument).mid(argument.startsWith(QLatin1String("--")) ? 2 : 1);
    const qsizetype equals = name.indexOf(QLatin1Char('='));
    hasInlineValue = equals >= 0;
    if (hasInlineValue)
        name = name.left(equals);
    for (const WindowSystemOption &option : kWindowSystemOptions) {
        if (name == QLatin1String(option.name) && (option.takesValue || !hasInlineValue))
            return &option;
    }
    return nullptr;
}

QString Quoted(const QString &argument)
{
    return QString::fromLatin1(argument.toUtf8().toPercentEncoding(" /=:,+@"));
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
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--check-startup")) {
            options.action = ProgramOptions::Action::CheckStartup;
            continue;
        }
        // Before the windowing system starts, its own options are let
        // through and everything else is refused here, so that a refusal
        // needs no display.
        bool hasInlineValue = false;
        if (const WindowSystemOption *option =
                beforeWindowSystem ? FindWindowSystemOption(argument, hasInlineValue) : nullptr) {
            if (option->takesValue && !hasInlineValue && ++i == arguments.size())
                return {ProgramOptions::Action::Refuse,
                        QStringLiteral("option '%1' needs a value (try --help)").arg(Quoted(argument)),
                        {}};
            continue;
        }
        if (!argument.startsWith(QLatin1Char('-')) && options.setupFile.isEmpty()) {
            options.setupFile = argument;
            continue;
        }
        return {ProgramOptions::Action::Refuse,
                argument.startsWith(QLatin1Char('-'))
                    ? QStringLiteral("unknown option '%1' (try --help)").arg(Quoted(argument))
                    : QStringLiteral("unexpected argument '%1': Pheltra opens one set-up file (try --help)")
                          .arg(Quoted(argument)),
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
