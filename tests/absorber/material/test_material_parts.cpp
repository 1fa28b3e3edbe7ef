// Materials from their parts: library entries by NAME[:WEIGHT] lists,
// formulas, mass fractions and a density for the whole, refused with the
// field at fault and no front end's words.
#include "absorber/material/absorber_choice.h"
#include "absorber/material/density.h"
#include "absorber/material/input_error.h"
#include "absorber/material/material_parts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

namespace pheltra {
namespace {

// What call throws, or nothing when it does not throw an InputError.
std::optional<InputError> Thrown(const std::function<void()> &call)
{
    try {
        call();
    } catch (const InputError &error) {
        return error;
    }
    return std::nullopt;
}

LoadedLibrary TwoEntries()
{
    LoadedLibrary loaded;
    loaded.status = kLibraryLoaded;
    TCompound lead;
    lead.Z[0] = 82;
    lead.Weight[0] = 1.0f;
    loaded.library.Append(QStringLiteral("Lead"), lead);
    loaded.library.Append(QStringLiteral("Bone, Cortical (ICRP)"), lead);
    loaded.mostCommas = 1;
    return loaded;
}

TEST(MaterialParts, ListsJoinPiecesIntoNamesThatHoldCommas)
{
    const QList<AbsorberChoice> choices =
        ParseAbsorberList(QStringLiteral("lead:2,bone, cortical (icrp):0.5"), TwoEntries());
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[0].name, QStringLiteral("Lead"));
    EXPECT_EQ(choices[0].weight, 2.0L);
    EXPECT_EQ(choices[1].name, QStringLiteral("Bone, Cortical (ICRP)"));
    EXPECT_EQ(choices[1].weight, 0.5L);
}

TEST(MaterialParts, RefusalsNameTheFieldInNeutralWords)
{
    const LoadedLibrary library = TwoEntries();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row
    {
        std::function<void()> call;
        Field field;
        const char *message;
    };
    const Row rows[] = {
        {[&] { ParseAbsorber(QStringLiteral("Tin"), library); }, Field::Absorber, "unknown absorber 'Tin'"},
        {[&] { ParseAbsorber(QStringLiteral("Lead:x"), library); }, Field::Weight,
         "malformed number 'x' for the weight of Lead"},
        {[&] { ParseAbsorber(QStringLiteral("Lead:0"), library); }, Field::Weight,
         "the relative weight of 'Lead' must lie between 1e-100 and 100000000"},
        {[] { FormulaPart(QStringLiteral("H2Xx")); }, Field::Formula, "'H2Xx': unknown element 'Xx' at 3"},
        {[] { FormulaPart(QStringLiteral(" H2Xx:2")); }, Field::Formula, "' H2Xx': unknown element 'Xx' at 4"},
        {[] { CheckedDensity(0.0L); }, Field::Density, "must lie between 1e-30 and 1000 g/cm3"},
        {[] { CheckedDensity(1000.001L); }, Field::Density, "must lie between 1e-30 and 1000 g/cm3"},
        {[] { CheckedDensity(std::nanl("")); }, Field::Density, "must lie between 1e-30 and 1000 g/cm3"},
        {[] { CheckedDensity(1e-4000L); }, Field::Density, "must lie between 1e-30 and 1000 g/cm3"},
        {[] { CheckedDensity(9.9e-31L); }, Field::Density, "must lie between 1e-30 and 1000 g/cm3"},
        {[] { RequireDensity(TCmpDataSet{}); }, Field::Density, "the material has no density"},
        {[] { WeightsCompound({}, 1.0f); }, Field::Weights, "name no element"},
        {[] {
             WeightsCompound({{100, 1.0}}, 1.0f);
         },
         Field::Weights, "name atomic number 100, outside 1..99"},
        {[&] {
             WeightsCompound({{1, nan}}, 1.0f);
         },
         Field::Weights, "give Z = 1 the weight nan; it must lie above 0"},
        {[] {
             WeightsCompound({{1, 11.19}, {8, 88.81}}, 1.0f);
         },
         Field::Weights, "add up to 100, not 1: they are mass fractions"},
    };
    for (const Row &row : rows) {
        const std::optional<InputError> error = Thrown(row.call);
        ASSERT_TRUE(error) << row.message;
        EXPECT_EQ(error->field, row.field) << row.message;
        EXPECT_EQ(error->message, QString::fromLatin1(row.message));
    }
}

TEST(MaterialParts, FormulasAndMassFractionsMixWithEntriesByWeight)
{
    TCmpDataSet set;
    const TCompound water = WeightsCompound({{1, 0.111898}, {8, 0.888102}}, 1.0f);
    FillDataSetFromParts(set,
                         {FormulaPart(QStringLiteral("H2O:3")), OwnPart(QStringLiteral("weights"), water, 1.0L),
                          LibraryPart(QStringLiteral("lead"), TwoEntries())},
                         kDataSourceB, kCoeffTypeAttenuationTotal, QString());
    EXPECT_EQ(set.AbsorberName[0].str(), QStringLiteral("H2O"));
    EXPECT_EQ(set.RelWeight[0], 3.0L);
    EXPECT_EQ(set.AbsorberName[2].str(), QStringLiteral("Lead"));
    EXPECT_NEAR(static_cast<double>(set.ElementWeight[82]), 0.2, 1e-6);
    EXPECT_NEAR(static_cast<double>(set.ElementWeight[1]), 0.8 * 0.111898, 1e-4);
    OverrideDensity(set, CheckedDensity(2.5L));
    EXPECT_EQ(set.ElectronsPerCm3, set.ElectronsPerGram * 2.5L);
    EXPECT_NO_THROW(RequireDensity(set));
}

} // namespace
} // namespace pheltra
