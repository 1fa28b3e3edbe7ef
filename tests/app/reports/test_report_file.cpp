// The file Save Data and pheltra-cli report --output write: streamed, byte
// for byte the report, and whole or not at all.
#include "app/reports/report_file.h"

#include "absorber/compound_library.h"

#include "tests/support/file_size_limit.h"
#include "tests/support/compound_records.h"
#include "tests/support/file_bytes.h"
#include "tests/support/named_pipe.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

using test_support::ReadFileBytes;

class SavedReportFile : public ::testing::Test
{
protected:
    SavedReportFile()
    {
        library_.Append(QStringLiteral("Water"), MakeCompound(1.0f, {{1, 0.111898f}, {8, 0.888102f}}));
        sets_[0].AbsorberName[0] = "Water";
        sets_[0].RelWeight[0] = 1.0L;
        sets_[0].Legend = " <b>Water</b>";
        sets_[0].UpdateComposition(library_);
        // Some 10000 rows: far more than one block of the writer.
        selection_.from = 1.0f;
        selection_.to = 5000.0f;
        selection_.interval = 0.5f;
    }

    QString Path(const char *name) const { return dir_.filePath(QString::fromLatin1(name)); }
    QByteArray Expected() const { return SavedReportBytes(SavedReportLines(sets_, selection_, environment_)); }

    void WriteEarlier(const char *name, const QByteArray &bytes) const
    {
        ASSERT_TRUE(test_support::WriteFileBytes(Path(name), bytes));
    }

    QTemporaryDir dir_;
    CompoundLibrary library_;
    DataSets sets_;
    ReportSelection selection_;
    ReportEnvironment environment_{QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9)), QLocale::c()};
};

TEST_F(SavedReportFile, StreamedByteForByteAsTheReportLines)
{
    WriteEarlier("report.txt", QByteArray(100000, 'o'));
    QString error;
    ASSERT_EQ(WriteSavedReport(Path("report.txt"), sets_, selection_, environment_, &error), TReportSaveResult::Saved)
        << error.toStdString();
    const QByteArray expected = Expected();
    ASSERT_GT(expected.size(), 600000);
    EXPECT_EQ(ReadFileBytes(Path("report.txt")), expected);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.txt")});
}

TEST_F(SavedReportFile, AWriteFailureMidwayKeepsTheEarlierFileWhole)
{
    const QByteArray earlier = "the report saved before\r\n";
    WriteEarlier("report.txt", earlier);
    QString error;
    {
        // Past the first blocks: the failure comes while rows are streamed.
        const test_support::FileSizeLimit full(400000);
        EXPECT_EQ(WriteSavedReport(Path("report.txt"), sets_, selection_, environment_, &error),
                  TReportSaveResult::WriteFailed);
    }
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFileBytes(Path("report.txt")), earlier);
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files), QStringList{QStringLiteral("report.txt")});
}

TEST_F(SavedReportFile, ANamedPipeOrAFolderIsRefusedAndStaysAsItWas)
{
    ASSERT_TRUE(test_support::MakeNamedPipe(Path("pipe")));
    QString error;
    EXPECT_EQ(WriteSavedReport(Path("pipe"), sets_, selection_, environment_, &error),
              TReportSaveResult::NotRegularFile);
    EXPECT_EQ(error, QDir::toNativeSeparators(Path("pipe")) + QStringLiteral(" is not a regular file."));
    EXPECT_TRUE(test_support::IsNamedPipe(Path("pipe")));

    // Through a symbolic link too, and a link that leads nowhere.
    ASSERT_TRUE(QFile::link(Path("pipe"), Path("link")));
    EXPECT_EQ(WriteSavedReport(Path("link"), sets_, selection_, environment_), TReportSaveResult::NotRegularFile);
    EXPECT_TRUE(test_support::IsNamedPipe(Path("pipe")));
    ASSERT_TRUE(QFile::link(Path("nowhere"), Path("dangling")));
    EXPECT_EQ(WriteSavedReport(Path("dangling"), sets_, selection_, environment_), TReportSaveResult::NotRegularFile);
    EXPECT_FALSE(QFileInfo::exists(Path("nowhere")));

    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("folder")));
    EXPECT_EQ(WriteSavedReport(Path("folder"), sets_, selection_, environment_), TReportSaveResult::NotRegularFile);
    EXPECT_TRUE(QFileInfo(Path("folder")).isDir());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("dangling"), QStringLiteral("folder"), QStringLiteral("link"),
                           QStringLiteral("pipe")}));
}

TEST_F(SavedReportFile, DevNullIsNeverReplaced)
{
    // Run as root, renaming over /dev/null would succeed.
    EXPECT_EQ(WriteSavedReport(QStringLiteral("/dev/null"), sets_, selection_, environment_),
              TReportSaveResult::NotRegularFile);
    EXPECT_FALSE(QFileInfo(QStringLiteral("/dev/null")).isFile());
}

} // namespace
