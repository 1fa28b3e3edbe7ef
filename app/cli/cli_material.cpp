#include "app/cli/cli_material.h"

#include "absorber/formula/formula.h"
#include "app/cli/cli_error.h"
#include "app/cli/cli_text.h"

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

} // namespace

MaterialPart LibraryPart(const QString &text, const LoadedLibrary &library)
{
    const AbsorberChoice choice = ParseAbsorber(text, library);
    return MaterialPart{choice.name, library.library.Compound(library.library.IndexOf(choice.name)), choice.weight};
}

MaterialPart FormulaPart(const QString &text)
{
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    const QString formula = (colon < 0 ? text : text.left(colon)).trimmed();
    TCompound compound;
    try {
        compound = FormulaCompound(formula);
    } catch (const FormulaError &error) {
        throw CliError{QStringLiteral("--formula '%1': %2").arg(formula, error.message)};
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

long double CheckedDensity(long double density, const QString &option)
{
    if (!(density > 0.0L) || density > kMaxDensity)
        throw CliError{QStringLiteral("%1 must lie above 0 and at most 1000 g/cm3").arg(option)};
    return density;
}

void OverrideDensity(TCmpDataSet &set, long double density)
{
    set.Density = density;
    set.ElectronsPerCm3 = set.ElectronsPerGram * density;
}

void RequireDensity(const TCmpDataSet &set)
{
    if (!(set.Density > 0.0L))
        throw CliError{QStringLiteral("the material has no density; give one with --density (g/cm3)")};
}
