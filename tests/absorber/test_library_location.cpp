// Which compound library is read: the working folder's CmpMix.dat wins, the
// installed one is read without it, and the library is missing only when
// neither exists.
#include "absorber/library_location.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

void Touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("title\r\n");
}

// Runs each case in a working folder of its own and goes back afterwards.
class LibraryLocation : public ::testing::Test
{
protected:
    void SetUp() override
    {
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir(working_.path()).mkpath(QStringLiteral("work")));
        ASSERT_TRUE(QDir::setCurrent(working_.filePath(QStringLiteral("work"))));
        installed_ = installation_.filePath(QStringLiteral("CmpMix.dat"));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir working_;
    QTemporaryDir installation_;
    QString installed_;
    QString previous_;
};

TEST_F(LibraryLocation, TheWorkingFoldersLibraryWins)
{
    Touch(installed_);
    Touch(QStringLiteral("CmpMix.dat"));
    EXPECT_EQ(FindCompoundLibrary(installed_), QStringLiteral("CmpMix.dat"));
}

TEST_F(LibraryLocation, WithoutOneTheInstalledLibraryIsRead)
{
    Touch(installed_);
    EXPECT_EQ(FindCompoundLibrary(installed_), installed_);
}

TEST_F(LibraryLocation, MissingOnlyWhenNeitherExists)
{
    EXPECT_EQ(FindCompoundLibrary(installed_), QStringLiteral("CmpMix.dat"));
    EXPECT_EQ(FindCompoundLibrary(QString()), QStringLiteral("CmpMix.dat"));
}

TEST_F(LibraryLocation, AWorkingFolderEntryThatIsNoFileStillWins)
{
    // Not passed over for the installed library: loading it says what is
    // wrong with the user's own CmpMix.dat.
    Touch(installed_);
    ASSERT_TRUE(QDir().mkdir(QStringLiteral("CmpMix.dat")));
    EXPECT_EQ(FindCompoundLibrary(installed_), QStringLiteral("CmpMix.dat"));
}

TEST_F(LibraryLocation, ALinkThatLeadsNowhereStillWins)
{
    Touch(installed_);
    ASSERT_TRUE(QFile::link(QStringLiteral("nowhere.dat"), QStringLiteral("CmpMix.dat")));
    EXPECT_EQ(FindCompoundLibrary(installed_), QStringLiteral("CmpMix.dat"));
}

TEST(InstalledLibraryFile, LiesInShareBesideTheBinFolder)
{
    EXPECT_EQ(InstalledLibraryFile(QStringLiteral("/usr/bin")), QStringLiteral("/usr/share/pheltra/CmpMix.dat"));
    EXPECT_EQ(InstalledLibraryFile(QStringLiteral("/opt/pheltra/bin/")),
              QStringLiteral("/opt/pheltra/share/pheltra/CmpMix.dat"));
    EXPECT_EQ(InstalledLibraryFile(QStringLiteral("/tmp/unpacked/usr/bin")),
              QStringLiteral("/tmp/unpacked/usr/share/pheltra/CmpMix.dat"));
}

} // namespace
