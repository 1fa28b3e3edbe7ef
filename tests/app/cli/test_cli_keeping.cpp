// pheltra-cli with the user's own library and a set-up made in the window.
#include "absorber/material/user_library.h"
#include "absorber/setup_file.h"
#include "tests/app/cli/cli_runner.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void WriteFile(const QString &name, const QByteArray &bytes)
{
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(CliKeeping, TheUserLibraryIsReadUnlessLeftOutAndASetupIsABatchJob)
{
    const QTemporaryDir dir;
    CliContext context = TestContext();
    context.userLibraryFile = dir.filePath(QStringLiteral("UserMix.dat"));
    WriteFile(context.userLibraryFile, "mine\r\nBGO;Bi4Ge3O12;;;user library;;;7.13;8;0.154;32;0.175;83;0.671\r\n");

    EXPECT_NE(RunInProcess(Args({"library"}), context).out.find("BGO"), std::string::npos);
    EXPECT_EQ(RunInProcess(Args({"library", "--no-user-library"}), context).out.find("BGO"), std::string::npos);

    // The same report from --set and from a set-up naming the user's BGO.
    CompoundLibrary library;
    LoadCompoundLibrary(kShippedLibrary, library);
    pheltra::MergeUserLibrary(context.userLibraryFile, library);
    pheltra::SavedSetup setup;
    setup.sets[0].AddAbsorber(QStringLiteral("BGO"), 1);
    setup.sets[1].AddAbsorber(QStringLiteral("Lead"), 1);
    const QString setupFile = dir.filePath(QStringLiteral("two.pheltra"));
    WriteFile(setupFile, pheltra::SetupJson(setup));
    const QStringList grid = Args({"--from", "10", "--to", "100", "--interval", "45"});
    const CliResult fromSets = RunInProcess(Args({"report", "--set", "1=BGO", "--set", "2=Lead"}) + grid, context);
    const CliResult fromSetup = RunInProcess(QStringList{"report", "--setup", setupFile} + grid, context);
    EXPECT_EQ(fromSetup.status, 0) << fromSetup.err;
    EXPECT_EQ(fromSetup.out, fromSets.out);

    const CliResult missing =
        RunInProcess(QStringList{"report", "--setup", setupFile, "--no-user-library"} + grid, context);
    EXPECT_EQ(missing.status, kExitBadInput);
    EXPECT_NE(missing.err.find("data set 1 names 'BGO', which the library does not hold"), std::string::npos);
}

} // namespace
