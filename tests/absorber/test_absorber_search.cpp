// Finding absorbers by what a user types, and the groups of the shipped
// library's entries.
#include "absorber/absorber_search.h"

#include "absorber/compound_file.h"

#include <gtest/gtest.h>

#include <map>

namespace {

using pheltra::AbsorberGroup;
using pheltra::AbsorberIndex;

CompoundLibrary SmallLibrary()
{
    CompoundLibrary library;
    const auto add = [&library](const char *name, const char *formula, const char *second, bool user = false) {
        TCompound c;
        c.Clear();
        c.Formula = formula;
        c.SecondName = second;
        library.Append(QString::fromUtf8(name), c, user);
    };
    add("Lead", "Pb", "");
    add("Lanthanum", "La", "");
    add("Glass, Lead", "", "");
    add("Röntgen phosphor", "Gd2O2S", "GOS");
    add("Water, Liquid", "H2O", "");
    add("Water Vapor", "H2O", "steam", true);
    library.Sort();
    return library;
}

TEST(AbsorberSearch, MatchesNameSecondNameAndFormulaAnywhereIgnoringCaseAndAccents)
{
    const CompoundLibrary library = SmallLibrary();
    const AbsorberIndex index(library);
    const std::map<QString, QStringList> rows{
        {"lead", {"Glass, Lead", "Lead"}},
        {"LEAD", {"Glass, Lead", "Lead"}},
        {"rontgen", {"Röntgen phosphor"}},
        {"RÖNT", {"Röntgen phosphor"}},
        {"gos", {"Röntgen phosphor"}},
        {"h2o", {"Water Vapor", "Water, Liquid"}},
        {"steam", {"Water Vapor"}},
        {"  la ", {"Glass, Lead", "Lanthanum"}},
        {"xyz", {}},
        // A piece across two texts (name's end and formula's start) is no match.
        {"leadpb", {}},
    };
    for (const auto &[query, expected] : rows) {
        QStringList found;
        for (const int i : index.Matches(query))
            found << library.Name(i);
        found.sort();
        EXPECT_EQ(found, expected) << query.toStdString();
    }
    EXPECT_EQ(index.Matches(QString()).size(), std::size_t(library.Count()));
    // "lead" means Lead, not "Glass, Lead"; "la" the name that begins so.
    const std::pair<const char *, const char *> best[] = {
        {"lead", "Lead"}, {"LA", "Lanthanum"}, {"water", "Water Vapor"}};
    for (const auto &[query, name] : best)
        EXPECT_EQ(library.Name(index.BestMatch(query, index.Matches(query))), QString::fromUtf8(name)) << query;
    EXPECT_EQ(index.BestMatch(QStringLiteral("gos"), index.Matches(QStringLiteral("gos"))), -1);
}

TEST(AbsorberSearch, TheShippedLibraryHoldsThreeGroupsAndUserEntriesAreTheUsers)
{
    CompoundLibrary library;
    ASSERT_EQ(LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library), kLibraryLoaded);
    std::map<AbsorberGroup, int> counts;
    for (int i = 0; i < library.Count(); ++i)
        ++counts[pheltra::GroupOf(library, i)];
    EXPECT_EQ(counts,
              (std::map<AbsorberGroup, int>{
                  {AbsorberGroup::kElement, 99}, {AbsorberGroup::kNistTable, 48}, {AbsorberGroup::kEstarXcom, 158}}));
    library.Append(QStringLiteral("My lead"), library.Compound(library.IndexOf(QStringLiteral("Lead"))), true);
    EXPECT_EQ(pheltra::GroupOf(library, library.Count() - 1), AbsorberGroup::kUser);
}

} // namespace
