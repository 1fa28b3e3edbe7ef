// Chemical formulas: the atoms each notation yields, weight fractions from
// Gallomir's atomic weights, and every fault with its position.
#include "absorber/formula/formula.h"
#include "gallomir/gallomir.h"

#include <gtest/gtest.h>

#include <map>

namespace {

std::map<int, double> Atoms(const char *formula)
{
    const FormulaAtoms atoms = ParseFormula(QString::fromUtf8(formula));
    std::map<int, double> found;
    for (int z = 1; z <= TCompound::kMaxAtomicNumber; ++z) {
        if (atoms[static_cast<std::size_t>(z)] != 0.0)
            found[z] = atoms[static_cast<std::size_t>(z)];
    }
    return found;
}

std::string Fault(const char *formula)
{
    try {
        ParseFormula(QString::fromUtf8(formula));
    } catch (const FormulaError &error) {
        return error.message.toStdString();
    }
    return "accepted";
}

TEST(Formula, NotationsGiveTheirAtoms)
{
    using M = std::map<int, double>;
    EXPECT_EQ(Atoms("H2O"), (M{{1, 2}, {8, 1}}));
    EXPECT_EQ(Atoms("Gd2O2S"), (M{{8, 2}, {16, 1}, {64, 2}}));
    EXPECT_EQ(Atoms("CaCO3"), (M{{6, 1}, {8, 3}, {20, 1}}));
    EXPECT_EQ(Atoms("Ca10(PO4)6(OH)2"), (M{{1, 2}, {8, 26}, {15, 6}, {20, 10}}));
    EXPECT_EQ(Atoms("[Co(NH3)6]Cl3"), (M{{1, 18}, {7, 6}, {17, 3}, {27, 1}}));
    EXPECT_EQ(Atoms("Al2O3(SiO2)1.5"), (M{{8, 6}, {13, 2}, {14, 1.5}}));
    // The count after a hydrate dot multiplies everything up to the next dot.
    EXPECT_EQ(Atoms("CuSO4·5H2O"), (M{{1, 10}, {8, 9}, {16, 1}, {29, 1}}));
    EXPECT_EQ(Atoms("CuSO4*5H2O"), Atoms("CuSO4·5H2O"));
    EXPECT_EQ(Atoms("CaSO4 * 0.5 H2O·Al"), (M{{1, 1}, {8, 4.5}, {13, 1}, {16, 1}, {20, 1}}));
    // Blanks between groups, an element given twice, case telling Co from CO.
    EXPECT_EQ(Atoms("  Ca CO3 "), Atoms("CaCO3"));
    EXPECT_EQ(Atoms("CH3COOH"), (M{{1, 4}, {6, 2}, {8, 2}}));
    EXPECT_EQ(Atoms("Co"), (M{{27, 1}}));
    EXPECT_EQ(Atoms("CO"), (M{{6, 1}, {8, 1}}));
    EXPECT_EQ(Atoms("Es"), (M{{99, 1}}));
}

TEST(Formula, FaultsNameTheirPosition)
{
    EXPECT_EQ(Fault("H2Xx"), "unknown element 'Xx' at 3");
    EXPECT_EQ(Fault("Ca(OH)2)"), "unbalanced ')' at 8");
    EXPECT_EQ(Fault("CaCO0"), "count 0 at 5");
    EXPECT_EQ(Fault("H0.0"), "count 0 at 2");
    EXPECT_EQ(Fault(""), "empty formula");
    EXPECT_EQ(Fault("   "), "empty formula");
    EXPECT_EQ(Fault("Ca(OH"), "unbalanced '(' at 3");
    EXPECT_EQ(Fault("(H2O]"), "unbalanced ']' at 5");
    EXPECT_EQ(Fault("H()"), "empty group at 2");
    EXPECT_EQ(Fault("H2O·"), "nothing after '·' at 4");
    EXPECT_EQ(Fault("H2O**H2O"), "nothing after '*' at 4");
    EXPECT_EQ(Fault("*H2O"), "nothing before '*' at 1");
    EXPECT_EQ(Fault("5"), "formula ends without an element at 2");
    EXPECT_EQ(Fault("h2o"), "unexpected 'h' at 1");
    EXPECT_EQ(Fault("H2 O 2"), "unexpected '2' at 6");
    EXPECT_EQ(Fault("H1."), "nothing after '.' at 3");
    EXPECT_EQ(Fault("H.5"), "formula ends without an element at 4");
    EXPECT_EQ(Fault("H2-O"), "unexpected '-' at 3");
    EXPECT_EQ(Fault("H\tO\x01"), "unexpected U+0001 at 4");
    EXPECT_EQ(Fault("Uuo"), "unknown element 'Uu' at 1"); // a capital and a small letter are one symbol
    EXPECT_EQ(Fault("Fm"), "unknown element 'Fm' at 1");  // Z = 100 lies beyond the library
    EXPECT_EQ(Fault("H2000000"), "count above 1000000 at 2");
    // Position counts characters as typed: a middle dot or a character
    // beyond the basic plane before the fault is one, leading blanks count.
    EXPECT_EQ(Fault("H2O·Qq"), "unknown element 'Qq' at 5");
    EXPECT_EQ(Fault("  H2Xx"), "unknown element 'Xx' at 5");
    EXPECT_EQ(Fault("H2O \xF0\x9F\x98\x80"), "unexpected '\xF0\x9F\x98\x80' at 5");
    EXPECT_EQ(Fault("H2O \xF0\x9F\x98\x80 H2Qq"), "unexpected '\xF0\x9F\x98\x80' at 5");
}

// A period is the plain-text hydrate dot; between a count's digits outside
// any group it also reads as a decimal point, and a formula that reads both
// ways is refused with the spellings of each reading.
TEST(Formula, APeriodOfTwoReadingsIsRefused)
{
    struct Row
    {
        const char *formula;
        const char *fault;
    };
    for (const Row &row : {
             Row{"CuSO4.5H2O",
                 "'.' at 6 reads two ways: write CuSO4·5H2O or CuSO4*5H2O for a hydrate, (CuSO4.5H2O) "
                 "for the count 4.5"},
             Row{"La1.5Sr0.5CuO4",
                 "'.' at 4 reads two ways: write La1·5Sr0.5CuO4 or La1*5Sr0.5CuO4 for a hydrate, "
                 "(La1.5Sr0.5CuO4) for the count 1.5"},
             Row{"Al·Na2.10H2O",
                 "'.' at 7 reads two ways: write Al·Na2·10H2O or Al·Na2*10H2O for a hydrate, "
                 "Al·(Na2.10H2O) for the count 2.10"},
         }) {
        EXPECT_EQ(Fault(row.formula), row.fault) << row.formula;
    }
    using M = std::map<int, double>;
    struct Reading
    {
        const char *formula;
        M atoms;
    };
    for (const Reading &row : {
             Reading{"CaSO4.H2O", M{{1, 2}, {8, 5}, {16, 1}, {20, 1}}},      // no digit after the period
             Reading{"CuSO4 .5H2O", M{{1, 10}, {8, 9}, {16, 1}, {29, 1}}},   // no digit before it
             Reading{"(CuSO4.5H2O)", M{{1, 2}, {8, 5.5}, {16, 1}, {29, 1}}}, // in a group: a count
             Reading{"Fe0.95O", M{{8, 1}, {26, 0.95}}},                      // Fe0 is no formula
             Reading{"Al2O3(SiO2)1.5", M{{8, 6}, {13, 2}, {14, 1.5}}},       // "5" alone is no part
             Reading{"CaSO4·0.5H2O", M{{1, 1}, {8, 4.5}, {16, 1}, {20, 1}}}, // the count of a part
         }) {
        EXPECT_EQ(Atoms(row.formula), row.atoms) << row.formula;
    }
}

TEST(Formula, NestingHasALimit)
{
    const std::string deepest = std::string(kFormulaMaxDepth, '(') + "H" + std::string(kFormulaMaxDepth, ')');
    EXPECT_EQ(Atoms(deepest.c_str()), (std::map<int, double>{{1, 1}}));
    const std::string deeper = "(" + deepest + ")";
    EXPECT_EQ(Fault(deeper.c_str()), "groups nested deeper than 16 at 17");
    // The largest counts nested to the limit stay finite.
    std::string big = "H";
    for (int i = 0; i < kFormulaMaxDepth; ++i)
        big = "(" + big + ")1000000";
    const FormulaAtoms atoms = ParseFormula(QString::fromStdString(big));
    EXPECT_DOUBLE_EQ(atoms[1], 1e96);
}

TEST(Formula, WeightFractionsUseGallomirsAtomicWeights)
{
    const FormulaAtoms water = FormulaWeightFractions(ParseFormula(u"H2O"));
    const double h = 2 * GetAtomicWeight(1);
    const double o = GetAtomicWeight(8);
    EXPECT_DOUBLE_EQ(water[1], h / (h + o));
    EXPECT_DOUBLE_EQ(water[8], o / (h + o));
    EXPECT_NEAR(water[1], 0.111898, 1e-6); // with 1.00794 and 15.9994

    const FormulaAtoms apatite = FormulaWeightFractions(ParseFormula(u"Ca10(PO4)6(OH)2"));
    double sum = 0.0;
    for (const double fraction : apatite)
        sum += fraction;
    EXPECT_NEAR(sum, 1.0, 1e-15);
    EXPECT_NEAR(apatite[20], 10 * GetAtomicWeight(20) / 1004.6, 1e-4); // molar mass about 1004.6 g/mol
}

TEST(Formula, CompoundIsALibraryRecord)
{
    const TCompound water = FormulaCompound(u"H2O", 1.0f);
    EXPECT_EQ(water.Formula.str(), QStringLiteral("H2O"));
    EXPECT_EQ(water.Density, 1.0f);
    ASSERT_EQ(water.ConstituentCount(), 2);
    EXPECT_EQ(water.Z[0], 1);
    EXPECT_EQ(water.Z[1], 8);
    EXPECT_FLOAT_EQ(water.Weight[0] + water.Weight[1], 1.0f);
    EXPECT_NEAR(static_cast<double>(water.ElectronsPerGram()), 3.3428e23, 0.0001e23);
    EXPECT_EQ(FormulaCompound(u"H2O").Density, -1.0f);

    // Fourteen elements fill the record; a fifteenth does not fit.
    EXPECT_EQ(FormulaCompound(u"HHeLiBeBCNOFNeNaMgAlSi").ConstituentCount(), 14);
    try {
        FormulaCompound(u"HHeLiBeBCNOFNeNaMgAlSiP");
        ADD_FAILURE() << "fifteen elements accepted";
    } catch (const FormulaError &error) {
        EXPECT_EQ(error.message.toStdString(), "more than 14 elements in one formula");
    }
}

} // namespace
