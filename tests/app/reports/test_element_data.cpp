// The atomic data view's lookup and field texts.
#include "app/reports/element_data.h"

#include <gtest/gtest.h>

namespace {

const QLocale kC = QLocale::c();

using Outcome = ElementLookup::Outcome;

int Found(const char *input)
{
    const ElementLookup lookup = FindElement(QString::fromUtf8(input));
    return lookup.outcome == Outcome::Found ? lookup.z : -1;
}

TEST(ElementLookup, NumbersInRange)
{
    EXPECT_EQ(Found("82"), 82);
    EXPECT_EQ(Found("  26"), 26);
    EXPECT_EQ(Found("+1"), 1);
    EXPECT_EQ(Found("$1A"), 26);
    EXPECT_EQ(Found("99"), 99);
    for (const char *input : {"0", "100", "-5", "$FF"})
        EXPECT_EQ(FindElement(QString::fromLatin1(input)).outcome, Outcome::NotFound) << input;
}

TEST(ElementLookup, SymbolsByTheirFirstTwoCharacters)
{
    for (const char *input : {"Fe", "fe", "  FE", "fe2o3", "FEx"})
        EXPECT_EQ(Found(input), 26) << input;
    EXPECT_EQ(Found("Carbon"), 20); // "CA": calcium
    EXPECT_EQ(Found("c"), 6);
    EXPECT_EQ(Found("pb"), 82);
    // A one-letter symbol needs the input to end there; "82 " is no number.
    for (const char *input : {"c ", "Xx", "2.5", "82 ", "ü"})
        EXPECT_EQ(FindElement(QString::fromUtf8(input)).outcome, Outcome::NotFound) << input;
}

TEST(ElementLookup, NothingTypedDoesNothing)
{
    EXPECT_EQ(FindElement(QString()).outcome, Outcome::Empty);
    EXPECT_EQ(FindElement(QStringLiteral("   ")).outcome, Outcome::Empty);
}

TEST(ElementData, LeadWithItsEdgesAndYields)
{
    const ElementDataTexts lead = ElementData(82, kC);
    EXPECT_EQ(lead.name, QStringLiteral("Lead"));
    EXPECT_EQ(lead.atomicNumber, QStringLiteral("82"));
    EXPECT_EQ(lead.symbol, QStringLiteral("Pb"));
    EXPECT_EQ(lead.atomicWeight, QStringLiteral("207.20000"));
    EXPECT_EQ(lead.density, QStringLiteral("11.35"));
    EXPECT_EQ(lead.excitationPotential, QStringLiteral("823.0"));
    const std::array<QString, 12> edges{"88.0045", "15.8608", "15.2000", "13.0352", "3.8507", "3.5542",
                                        "3.0664",  "2.5856",  "2.4840",  "--",      "--",     "--"};
    EXPECT_EQ(lead.edges, edges);
    EXPECT_EQ(lead.kYield, QStringLiteral("0.9830"));
    EXPECT_EQ(lead.lYield, QStringLiteral("0.2190"));
    EXPECT_EQ(lead.kaKbRatio, QStringLiteral("0.2800"));
}

TEST(ElementData, LightAndHeavyElementsShowDashes)
{
    const ElementDataTexts iron = ElementData(26, kC);
    EXPECT_EQ(iron.edges[0], QStringLiteral("7.1120"));
    for (std::size_t n = 1; n < iron.edges.size(); ++n)
        EXPECT_EQ(iron.edges[n], QStringLiteral("--")) << n;

    const ElementDataTexts lithium = ElementData(3, kC);
    EXPECT_EQ(lithium.kYield, QStringLiteral("--"));
    EXPECT_EQ(lithium.lYield, QStringLiteral("--"));
    EXPECT_EQ(lithium.kaKbRatio, QStringLiteral("--"));
    for (const QString &edge : lithium.edges)
        EXPECT_EQ(edge, QStringLiteral("--"));

    // Source H ends at uranium: americium has element data and yields but no edges.
    const ElementDataTexts americium = ElementData(95, kC);
    EXPECT_EQ(americium.symbol, QStringLiteral("Am"));
    EXPECT_NE(americium.kYield, QStringLiteral("--"));
    for (const QString &edge : americium.edges)
        EXPECT_EQ(edge, QStringLiteral("--"));
}

TEST(ElementData, GasDensityInFixedNotationAndTheLocaleSeparator)
{
    const ElementDataTexts hydrogen = ElementData(1, QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(hydrogen.density, QStringLiteral("0,00008375"));
    EXPECT_EQ(hydrogen.atomicWeight, QStringLiteral("1,00794"));
    EXPECT_EQ(hydrogen.excitationPotential, QStringLiteral("19,2"));
}

TEST(ElementData, FieldsInTheOrderOfTheView)
{
    const auto fields = ElementDataFields(ElementData(82, kC));
    ASSERT_EQ(fields.size(), 6 + 12 + 3);
    EXPECT_EQ(fields[0], std::pair(QStringLiteral("Element:"), QStringLiteral("Lead")));
    EXPECT_EQ(fields[4].first, QStringLiteral("Density (g/cm³):"));
    EXPECT_EQ(fields[6], std::pair(QStringLiteral("K:"), QStringLiteral("88.0045")));
    EXPECT_EQ(fields[17].first, QStringLiteral("N3:"));
    EXPECT_EQ(fields[20], std::pair(QStringLiteral("K(alpha)/K(beta):"), QStringLiteral("0.2800")));
}

} // namespace
