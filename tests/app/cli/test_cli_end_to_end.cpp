// The built pheltra-cli executable in a working folder of its own: it reads
// CmpMix.dat from there, prints to stdout and ends with the documented exit
// status.
#include "app/cli/cli_error.h"
#include "datalib/b/vornak.h"

#include <gtest/gtest.h>
#include <gmock/gmock.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

using ::testing::HasSubstr;

struct ProcessRun
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

class CliEndToEnd : public ::testing::Test
{
protected:
    void UseLibrary(const QByteArray &contents)
    {
        QFile file(dir_.filePath(QStringLiteral("CmpMix.dat")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }
    void UseShippedLibrary()
    {
        QFile shipped(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"));
        ASSERT_TRUE(shipped.open(QIODevice::ReadOnly));
        UseLibrary(shipped.readAll());
    }

    ProcessRun Execute(const QStringList &arguments)
    {
        QProcess process;
        process.setWorkingDirectory(dir_.path());
        process.start(QStringLiteral(PHELTRA_CLI), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        return ProcessRun{process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
    }

    QTemporaryDir dir_;
};

TEST_F(CliEndToEnd, LeadFromTheWorkingFoldersLibrary)
{
    UseShippedLibrary();
    const ProcessRun run = Execute({QStringLiteral("mu"), QStringLiteral("--absorber"), QStringLiteral("Lead"),
                                    QStringLiteral("--source"), QStringLiteral("B"), QStringLiteral("100")});
    EXPECT_EQ(run.status, kExitOk) << run.err.toStdString();
    const QList<QByteArray> fields = run.out.trimmed().split('\t');
    ASSERT_EQ(fields.size(), 2);
    EXPECT_EQ(fields[0], "100");
    EXPECT_EQ(fields[1].toDouble(), GetMuCoeffB(82, 100.0, 0));
    EXPECT_TRUE(run.err.isEmpty());
}

TEST_F(CliEndToEnd, ACraftedLibraryWithAFaultyLine)
{
    UseLibrary("my materials\r\n; comment\r\nSteel;;;;;;;7.85;26;0.98;6;0.02\r\nBad;;;;;;;1;x;1\r\n");
    const ProcessRun list = Execute({QStringLiteral("library")});
    EXPECT_EQ(list.status, kExitLibraryFault);
    EXPECT_EQ(list.out,
              "Error in reading line # 3 of file CmpMix.dat: pair 1 is not an atomic number and a weight\n"
              "Steel\t7.85\t2\n");
    const ProcessRun composition = Execute({QStringLiteral("composition"), QStringLiteral("--absorber"),
                                            QStringLiteral("steel"), QStringLiteral("--locale"), QStringLiteral("C")});
    EXPECT_EQ(composition.status, kExitLibraryFault);
    EXPECT_THAT(composition.out.toStdString(), HasSubstr("\r\n26   Fe  (Iron)                              0.98\r\n"));
    EXPECT_THAT(composition.err.toStdString(), HasSubstr("warning: Error in reading line # 3"));
}

TEST_F(CliEndToEnd, NoLibraryAndBadArguments)
{
    const ProcessRun missing =
        Execute({QStringLiteral("mu"), QStringLiteral("--absorber"), QStringLiteral("Lead"), QStringLiteral("10")});
    EXPECT_EQ(missing.status, kExitLibraryFault);
    EXPECT_TRUE(missing.out.isEmpty());
    EXPECT_EQ(missing.err, "pheltra-cli: File CmpMix.dat not found! [CmpMix.dat]\n");

    UseShippedLibrary();
    const ProcessRun bad = Execute({QStringLiteral("mu"), QStringLiteral("--absorber"), QStringLiteral("Lead"),
                                    QStringLiteral("--type"), QStringLiteral("attenuation-Rayleigh"),
                                    QStringLiteral("--source"), QStringLiteral("H"), QStringLiteral("10")});
    EXPECT_EQ(bad.status, kExitBadInput);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_THAT(bad.err.toStdString(), HasSubstr("does not offer 'attenuation-Rayleigh'"));

    const ProcessRun element = Execute({QStringLiteral("element"), QStringLiteral("Pb")});
    EXPECT_EQ(element.status, kExitOk);
    EXPECT_THAT(element.out.toStdString(), HasSubstr("K:\t88.0045\n"));
}

} // namespace
