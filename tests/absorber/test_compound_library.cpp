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

// Under a Turkish locale "I" folds to the dotless "ı" by the locale's rules;
// lookups fold by Unicode's rules instead, the same in every locale.
TEST(CompoundLibrary, LookupIsTheSameInEveryLocale)
{
    const QLocale saved;
    for (const QLocale::Language language : {QLocale::Turkish, QLocale::Azerbaijani, QLocale::English}) {
        QLocale::setDefault(QLocale(language));
        const CompoundLibrary library = LibraryOf({"Silicon", "Water, Liquid", "Iodine", "Lithium"});
        EXPECT_EQ(library.IndexOf(QStringLiteral("SILICON")), library.IndexOf(QStringLiteral("silicon"))) << language;
        EXPECT_GE(library.IndexOf(QStringLiteral("SILICON")), 0) << language;
        EXPECT_GE(library.IndexOf(QStringLiteral("WATER, LIQUID")), 0) << language;
        EXPECT_GE(library.IndexOf(QStringLiteral("IODINE")), 0) << language;
        EXPECT_GE(library.IndexOf(QStringLiteral("lIthIum")), 0) << language;
        EXPECT_EQ(library.IndexOf(QString::fromUtf8("S\u0131licon")), -1) << language; // dotless i is no i
    }
    QLocale::setDefault(saved);
}

// Sorting moves the entries along with their names, records included.
TEST(CompoundLibrary, SortKeepsEachNameWithItsRecord)
{
    CompoundLibrary library;
    const char *names[] = {"m", "c", "x", "a", "q", "b", "z", "k", "a", "e"};
    for (int i = 0; i < 10; ++i) {
        TCompound compound;
        compound.Density = static_cast<float>(i);
        compound.Formula = QString::fromLatin1(names[i]);
        library.Append(QString::fromLatin1(names[i]), compound);
    }
    library.Sort();
    EXPECT_EQ(NamesOf(library), (QStringList{"a", "a", "b", "c", "e", "k", "m", "q", "x", "z"}));
    for (int i = 0; i < library.Count(); ++i)
        EXPECT_EQ(library.Compound(i).Formula.str(), library.Name(i));
    EXPECT_EQ(library.Compound(0).Density, 3.0f); // equal names keep their order
    EXPECT_EQ(library.Compound(1).Density, 8.0f);
}

} // namespace
