// Running pheltra-cli's commands in the test process, on the shipped library
// unless the arguments name another, with a fixed moment and locale.
#pragma once

#include "app/cli/cli.h"

#include <QStringList>

#include <sstream>
#include <string>

struct CliResult
{
    int status = -1;
    std::string out;
    std::string err;
};

inline const QString kShippedLibrary = QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat");

inline CliContext TestContext()
{
    return CliContext{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QLocale::c(), kShippedLibrary};
}

inline CliResult RunInProcess(const QStringList &arguments, const CliContext &context = TestContext())
{
    std::ostringstream out;
    std::ostringstream err;
    CliResult result;
    result.status = RunCli(arguments, context, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}
