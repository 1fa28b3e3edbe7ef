// The formulas the shipped library shows, read by the formula reader with
// Gallomir's atomic weights: each gives its own entry's weight fractions, so
// no formula shown beside an entry contradicts the composition computed with.
#include "absorber/compound_file.h"
#include "absorber/formula/formula.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(ShippedFormulas, EveryFormulaGivesItsEntrysWeights)
{
    CompoundLibrary library;
    ASSERT_EQ(LoadCompoundLibrary(QStringLiteral(PHELTRA_SOURCE_DIR "/data/CmpMix.dat"), library), kLibraryLoaded);
    int compounds = 0;
    for (const auto &[name, compound] : library.Entries()) {
        QString formula = compound.Formula.str();
        if (formula.isEmpty())
            continue;
        SCOPED_TRACE((name + QStringLiteral(": ") + formula).toStdString());
        // A polymer is shown by its repeat unit, "(C2H4)n"; the unit alone
        // has the polymer's weight fractions.
        if (formula.endsWith(QStringLiteral(")n")))
            formula.chop(1);
        FormulaAtoms entry{};
        bool isotopeWeighed = false; // Pu: NIST weighs Pu-239, Gallomir 244
        for (int i = 0; i < compound.ConstituentCount(); ++i) {
            entry[static_cast<std::size_t>(compound.Z[i])] += compound.Weight[i];
            isotopeWeighed = isotopeWeighed || compound.Z[i] == 94;
        }
        const FormulaAtoms implied = FormulaWeightFractions(ParseFormula(formula));
        for (int z = 1; z <= TCompound::kMaxAtomicNumber; ++z) {
            const auto slot = static_cast<std::size_t>(z);
            EXPECT_EQ(implied[slot] > 0.0, entry[slot] > 0.0) << "Z=" << z;
            EXPECT_NEAR(implied[slot], entry[slot], isotopeWeighed ? 5e-3 : 2e-4) << "Z=" << z;
        }
        ++compounds;
    }
    // 99 elements, 18 of NIST's Table 2 materials and 120 further compounds.
    EXPECT_EQ(compounds, 99 + 18 + 120);
}

} // namespace
