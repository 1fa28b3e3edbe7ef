// The start-up window words the library's load outcome as the splash will.
#include "app/library_status_window.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

TEST(LibraryStatusWindow, LoadedLibraryShowsOnlyTheCount)
{
    const LibraryStatusWindow window(kLibraryLoaded, 279);
    EXPECT_TRUE(window.MessageText().isEmpty());
    EXPECT_TRUE(window.EntryCountText().startsWith(QLocale().toString(279) + u' '));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Pheltra"));
}

TEST(LibraryStatusWindow, FaultsShowTheStartUpMessage)
{
    EXPECT_EQ(LibraryStatusWindow(kLibraryNotFound, 0).MessageText(), QStringLiteral("File CmpMix.dat not found!"));
    EXPECT_EQ(LibraryStatusWindow(7, 3).MessageText(), QStringLiteral("Error in reading line # 7 of file CmpMix.dat"));
    EXPECT_TRUE(LibraryStatusWindow(7, 3).EntryCountText().startsWith(QStringLiteral("3 ")));
}

} // namespace
