#include "app/cli/cli_arguments.h"

#include "app/cli/cli_error.h"

QString Dashed(const OptionSpec &option)
{
    return QStringLiteral("--") + QLatin1String(option.name);
}

QString CommandLine::Value(const QString &name, const QString &fallback) const
{
    const auto it = options.constFind(name);
    return it == options.constEnd() || it->isEmpty() ? fallback : it->first();
}

namespace {

const OptionSpec *FindOption(std::span<const OptionSpec> options, const QString &name)
{
    for (const OptionSpec &option : options) {
        if (name == QLatin1String(option.name))
            return &option;
    }
    return nullptr;
}

// The option whose short form the argument is ("-h"), if any.
const OptionSpec *FindShortOption(std::span<const OptionSpec> options, const QString &argument)
{
    if (argument.size() != 2 || argument[0] != QLatin1Char('-'))
        return nullptr;
    for (const OptionSpec &option : options) {
        if (option.shortName != 0 && argument[1] == QLatin1Char(option.shortName))
            return &option;
    }
    return nullptr;
}

// Whether argument is one of the command's options ("--format", "-h",
// "--format=csv") or "--": an option followed by one has no value of its own
// ("--thickness --format csv"), rather than taking the next option as it.
bool NamesAnOption(std::span<const OptionSpec> options, const QString &argument)
{
    if (argument == QLatin1String("--") || FindShortOption(options, argument))
        return true;
    if (!argument.startsWith(QLatin1String("--")))
        return false;
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    return FindOption(options, argument.mid(2, equals < 0 ? -1 : equals - 2)) != nullptr;
}

} // namespace

CommandLine ParseCommandLine(const QStringList &arguments, std::span<const OptionSpec> options)
{
    CommandLine line;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const OptionSpec *shortOption = optionsEnded ? nullptr : FindShortOption(options, argument);
        if (!shortOption && (optionsEnded || !argument.startsWith(QLatin1String("--")))) {
            line.positionals << argument;
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const qsizetype equals = shortOption ? -1 : argument.indexOf(QLatin1Char('='));
        const QString name =
            shortOption ? QString::fromLatin1(shortOption->name) : argument.mid(2, equals < 0 ? -1 : equals - 2);
        const OptionSpec *option = shortOption ? shortOption : FindOption(options, name);
        if (!option)
            throw CliError{QStringLiteral("unknown option --%1").arg(name)};
        QString value;
        if (option->takesValue) {
            if (equals >= 0)
                value = argument.mid(equals + 1);
            else if (i + 1 < arguments.size() && !NamesAnOption(options, arguments[i + 1]))
                value = arguments[++i];
            else
                throw CliError{QStringLiteral("--%1 needs a value").arg(name)};
        } else if (equals >= 0) {
            throw CliError{QStringLiteral("--%1 takes no value").arg(name)};
        }
        if (line.options.contains(name) && !option->repeatable)
            throw CliError{QStringLiteral("--%1 may be given only once").arg(name)};
        line.options[name] << value;
    }
    return line;
}
