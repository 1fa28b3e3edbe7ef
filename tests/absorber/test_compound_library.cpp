// Order and lookup of library names: case-insensitive, user locale's collation.
#include "absorber/compound_library.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace {

CompoundLibrary LibraryOf(std::initializer_list<const char *> names)
{
    CompoundLibrary library;
    for (const char *name : names)
        library.Append(QString::fromUtf8(name), TCompound{});
    library.Sort();
    return library;
}

QStringList NamesOf(const CompoundLibrary &library)
{
    QStringList names;
    for (const auto &entry : library.Entries())
        names << entry.name;
    return names;
}

TEST(CompoundLibrary, SortsIgnoringCase)
{
    const CompoundLibrary library = LibraryOf({"water", "Air", "bone", "Zinc"});
    EXPECT_EQ(NamesOf(library), (QStringList{"Air", "bone", "water", "Zinc"}));
}

TEST(CompoundLibrary, LookupIgnoresCaseAndFindsTheFirst)
{
    const CompoundLibrary library = LibraryOf({"water", "Air", "WATER"});
    EXPECT_EQ(library.IndexOf(QStringLiteral("WATER")), 1);
    EXPECT_EQ(library.Name(1), QStringLiteral("water")); // equal names keep their order
    EXPECT_EQ(library.IndexOf(QStringLiteral("air")), 0);
    EXPECT_EQ(library.IndexOf(QStringLiteral("Wate")), -1);
    EXPECT_EQ(library.IndexOf(QString()), -1);
    EXPECT_EQ(CompoundLibrary().IndexOf(QStringLiteral("Air")), -1);
}

// With a German user locale umlauts sort with their base letter.
TEST(CompoundLibrary, FollowsTheUserLocale)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const CompoundLibrary library = LibraryOf({"Zinn", "Äther", "Blei"});
    QLocale::setDefault(saved);
    EXPECT_EQ(NamesOf(library), (QStringList{"Äther", "Blei", "Zinn"}));
    EXPECT_EQ(library.IndexOf(QStringLiteral("äTHER")), 0);
}

} // namespace
