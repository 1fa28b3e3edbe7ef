// Running pheltra-cli's commands in the test process, on the shipped library
// unless the arguments name another, with a fixed moment and locale.
#pragma once

#include "app/cli/cli.h"
#include "app/cli/cli_error.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <initializer_list>
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
    return CliContext{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QLocale::c(), kShippedLibrary, QString()};
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

// A refusal: the exit status, nothing on stdout, one line on stderr holding
// message.
inline void ExpectRefused(const QStringList &arguments, const char *message, int status = kExitBadInput)
{
    const CliResult result = RunInProcess(arguments);
    SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(result.status, status);
    EXPECT_TRUE(result.out.empty()) << result.out;
    EXPECT_THAT(result.err, ::testing::HasSubstr(message));
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
}

inline QStringList Args(std::initializer_list<const char *> words)
{
    QStringList list;
    for (const char *word : words)
        list << QString::fromUtf8(word);
    return list;
}
