// Files written whole or not at all: the picture save and the report save
// both go through SaveFileAtomically / TAtomicFile.
#include "textio/atomic_file.h"

#include "tests/support/file_bytes.h"
#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>

#include <QDir>

#include <csignal>
#include <cstdlib>
#include <QTemporaryDir>

namespace {

using test_support::FileSizeLimit;
using test_support::ReadFileBytes;
using test_support::WriteFileBytes;

TEST(AtomicFile, ReplacesAnEarlierFileAndLeavesNothingBeside)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    ASSERT_TRUE(WriteFileBytes(path, QByteArray(5000, 'o')));
    const QByteArray bytes = "Calc. Electr./cm\xC2\xB3: 3.34E+23\r\n \r\nin units cm\xC2\xB2/g, \r\n";
    QString error;
    ASSERT_TRUE(SaveFileAtomically(path, bytes, &error)) << error.toStdString();
    EXPECT_EQ(ReadFileBytes(path), bytes);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.txt")});
}

TEST(AtomicFile, AFailedWriteKeepsTheEarlierFileWhole)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("report.txt"));
    const QByteArray earlier = "the report saved before\r\n";
    ASSERT_TRUE(WriteFileBytes(path, earlier));
    const QByteArray bytes = QByteArray("1.00E+1   2.345E-1  ---       \r\n").repeated(400);
    QString error;
    {
        const FileSizeLimit full(1000);
        EXPECT_FALSE(SaveFileAtomically(path, bytes, &error));
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFileBytes(path), earlier);
    // Nothing half-written is left beside it.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.txt")});
}

TEST(AtomicFile, NoFileWhereTheFolderCannotHoldOne)
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain"));
    ASSERT_TRUE(WriteFileBytes(notAFolder, "x"));
    QString error;
    EXPECT_FALSE(SaveFileAtomically(notAFolder + QStringLiteral("/report.txt"), "a\r\n", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(SaveFileAtomically(dir.filePath(QStringLiteral("missing/report.txt")), "a\r\n"));
}

// A failed write names the file and the system's reason, whichever kind of
// temporary file the save used.
TEST(AtomicFile, AFailedWriteSaysWhatFailedAndWhy)
{
    for (const bool unnamed : {true, false}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        TAtomicFile::SetUnnamedTemporaryFiles(unnamed);
        QString error;
        {
            const FileSizeLimit full(1000);
            EXPECT_FALSE(SaveFileAtomically(path, QByteArray(400000, 'x'), &error));
        }
        TAtomicFile::SetUnnamedTemporaryFiles(true);
        EXPECT_EQ(error, QStringLiteral("could not write %1: File too large").arg(path)) << unnamed;
        EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty()) << unnamed;
    }
}

// Where the filesystem has no unnamed temporary files, an interrupted save
// (Ctrl+C, a terminal closed, kill) leaves nothing beside the target.
TEST(AtomicFileDeathTest, AnInterruptedSaveLeavesNoTemporaryFile)
{
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.txt"));
        ASSERT_TRUE(WriteFileBytes(path, "earlier\r\n"));
        EXPECT_EXIT(
            {
                TAtomicFile::SetUnnamedTemporaryFiles(false);
                RemoveTemporaryFilesOnSignals();
                TAtomicFile file(path);
                if (file.Open() && file.Write(QByteArray(1 << 20, 'x')))
                    std::raise(signalNumber);
                std::exit(1);
            },
            ::testing::KilledBySignal(signalNumber), "");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.txt")}) << signalNumber;
        EXPECT_EQ(ReadFileBytes(path), "earlier\r\n");
    }
}

} // namespace
