// The arguments of one command of the batch tool: options and positional
// arguments. An option is "--name VALUE" or "--name=VALUE" (or a lone
// "--name" for a flag); "--" ends the options. A single "-" does not start an
// option, so "-5" is a positional number.
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
};

struct CommandLine
{
    QMap<QString, QStringList> options; // a flag holds one empty value
    QStringList positionals;

    bool Has(const QString &name) const { return options.contains(name); }
    // The value of an option given at most once; fallback when absent.
    QString Value(const QString &name, const QString &fallback = QString()) const;
    QStringList Values(const QString &name) const { return options.value(name); }
};

// Reads the arguments after the command's name against the command's
// options. Throws CliError for an unknown option,
// a missing value or an option given twice that may be given once.
CommandLine ParseCommandLine(const QStringList &arguments, std::span<const OptionSpec> options);
