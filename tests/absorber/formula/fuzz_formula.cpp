// Random bytes as a chemical formula: the parser must neither crash nor hang,
// and whatever it accepts gives finite, non-negative atoms and weight
// fractions that add up to 1.
#include "absorber/formula/formula.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        const FormulaAtoms atoms = ParseFormula(text);
        double sum = 0.0;
        for (const double fraction : FormulaWeightFractions(atoms)) {
            if (!(fraction >= 0.0 && fraction <= 1.0))
                std::abort();
            sum += fraction;
        }
        for (const double count : atoms) {
            if (!(count >= 0.0) || !std::isfinite(count))
                std::abort();
        }
        if (std::abs(sum - 1.0) > 1e-9)
            std::abort();
        (void)FormulaCompound(text).ElectronsPerGram();
    } catch (const FormulaError &error) {
        if (error.message.isEmpty())
            std::abort();
    }
    return 0;
}
