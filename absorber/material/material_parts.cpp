#include "absorber/material/material_parts.h"

#include "absorber/formula/formula.h"
#include "absorber/material/absorber_choice.h"
#include "absorber/material/input_error.h"
#include "absorber/material/number_text.h"

#include <cmath>

namespace pheltra {

namespace {

// A library of one record, so that NAME[:WEIGHT] reads as it does for
// library entries, with the same checks and messages.
LoadedLibrary OneEntryLibrary(const QString &name, const TCompound &compound)
{
    LoadedLibrary library;
    library.status = kLibraryLoaded;
    library.library.Append(name, compound);
    return library;
}

InputError WeightsFault(const QString &message)
{
    return InputError{Field::Weights, message, InputError::Wording::AfterField};
}

} // namespace

MaterialPart LibraryPart(const QString &text, const LoadedLibrary &library)
{
    const AbsorberChoice choice = ParseAbsorber(text, library);
    return MaterialPart{choice.name, library.library.Compound(library.library.IndexOf(choice.name)), choice.weight};
}

MaterialPart FormulaPart(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    // Parsed as typed, so that a fault's position counts the characters the
    // user sees in the quoted text.
    const QString typed = colon < 0 ? text : text.left(colon);
    const QString formula = typed.trimmed();
    TCompound compound;
    try {
        compound = FormulaCompound(typed);
    } catch (const FormulaError &error) {
        throw InputError{Field::Formula, QStringLiteral("'%1': %2").arg(typed, error.message),
                         InputError::Wording::AfterField};
    }
    const AbsorberChoice choice = ParseAbsorber(text, OneEntryLibrary(formula, compound));
    return MaterialPart{formula, compound, choice.weight};
}

MaterialPart OwnPart(const QString &name, const TCompound &compound, long double weight)
{
    const AbsorberChoice choice = ParseAbsorber(name + QLatin1Char(':') + ShortestText(static_cast<double>(weight)),
                                                OneEntryLibrary(name, compound));
    return MaterialPart{name, compound, choice.weight};
}

TCompound WeightsCompound(const std::vector<std::pair<int, double>> &weights, float density)
{
    if (weights.empty())
        throw WeightsFault(QStringLiteral("name no element"));
    if (weights.size() > static_cast<std::size_t>(TCompound::kSlotCount))
        throw WeightsFault(QStringLiteral("name more than %1 elements").arg(TCompound::kSlotCount));
    TCompound compound;
    compound.Clear();
    compound.Density = density > 0.0f ? density : -1.0f;
    double sum = 0.0;
    std::size_t slot = 0;
    for (const auto &[z, weight] : weights) {
        if (z < 1 || z > TCompound::kMaxAtomicNumber)
            throw WeightsFault(
                QStringLiteral("name atomic number %1, outside 1..%2").arg(z).arg(TCompound::kMaxAtomicNumber));
        if (!(weight > 0.0) || !std::isfinite(weight))
            throw WeightsFault(
                QStringLiteral("give Z = %1 the weight %2; it must lie above 0").arg(z).arg(ShortestText(weight)));
        compound.Z[slot] = z;
        compound.Weight[slot] = static_cast<float>(weight);
        sum += weight;
        ++slot;
    }
    // Records take weights as they stand (electrons per gram is not
    // normalised), so percentages would give a hundred times the electrons.
    if (std::abs(sum - 1.0) > 0.01)
        throw WeightsFault(QStringLiteral("add up to %1, not 1: they are mass fractions").arg(ShortestText(sum)));
    return compound;
}

void FillDataSetFromParts(TCmpDataSet &set, const std::vector<MaterialPart> &parts, int source, int type,
                          const QString &legend)
{
    // Each part under a key of its own: two parts whose names differ only in
    // case ("Co", "CO") stay two parts.
    LoadedLibrary pool;
    pool.status = kLibraryLoaded;
    QList<AbsorberChoice> choices;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const QString key = QString::number(i);
        pool.library.Append(key, parts[i].compound);
        choices << AbsorberChoice{key, parts[i].weight};
    }
    FillDataSet(set, choices, source, type, legend, pool);
    for (std::size_t i = 0; i < parts.size(); ++i)
        set.AbsorberName[i] = parts[i].name;
}

} // namespace pheltra
