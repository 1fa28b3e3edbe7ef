// The arguments of one command of the batch tool: options and positional
// arguments. An option is "--name VALUE" or "--name=VALUE" (or a lone
// "--name" for a flag); "--" ends the options. A single "-" does not start an
// option, so "-5" is a positional number, except for an option's one-letter
// short form ("-h").
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

#include <span>

struct OptionSpec
{
    const char *name; // without the leading "--"
    bool takesValue;
    bool repeatable;
    char shortName = 0; // "-h" for 'h'; 0: none
};

// The option as it is typed: "--name".
QString Dashed(const OptionSpec &option);

struct CommandLine
{
    QMap<QString, QStringList> options; // a flag holds one empty value
    QStringList positionals;

    bool Has(const QString &name) const { return options.contains(name); }
    // The value of an option given at most once; fallback when absent.
    QString Value(const QString &name, const QString &fallback = QString()) const;
    QStringList Values(const QString &name) const { return options.value(name); }

    bool Has(const OptionSpec &option) const { return Has(QLatin1String(option.name)); }
    QString Value(const OptionSpec &option, const QString &fallback = QString()) const
    {
        return Value(QLatin1String(option.name), fallback);
    }
    QStringList Values(const OptionSpec &option) const { return Values(QLatin1String(option.name)); }
};

// Reads the arguments after the command's name against the command's
// options. Throws CliError for an unknown option,
// a missing value or an option given twice that may be given once.
CommandLine ParseCommandLine(const QStringList &arguments, std::span<const OptionSpec> options);
