#include "app/tools/tool_material.h"

#include "absorber/compound_library.h"
#include "absorber/formula/formula.h"
#include "absorber/material/density.h"
#include "absorber/material/material_parts.h"
#include "absorber/material/number_text.h"
#include "sources/source_error.h"

namespace pheltra {

namespace {

MaterialPart PartOf(const MaterialChoice &choice, const CompoundLibrary &library)
{
    if (choice.isFormula) {
        try {
            return {choice.text, FormulaCompound(choice.text), 1.0L};
        } catch (const FormulaError &error) {
            throw ToolInputError{QStringLiteral("formula '%1': %2").arg(choice.text, error.message)};
        }
    }
    const int index = library.IndexOf(choice.text);
    if (index < 0)
        throw ToolInputError{QStringLiteral("the library holds no entry '%1'").arg(choice.text)};
    return {library.Name(index), library.Compound(index), 1.0L};
}

} // namespace

TCmpDataSet ChoiceComposition(const MaterialChoice &choice, const CompoundLibrary &library)
{
    if (choice.text.trimmed().isEmpty())
        throw ToolInputError{choice.isFormula ? QStringLiteral("no formula given")
                                              : QStringLiteral("no material chosen")};
    TCmpDataSet set;
    FillDataSetFromParts(set, {PartOf(choice, library)}, kDataSourceH, kCoeffTypeAttenuationTotal, QString());
    if (choice.density > 0.0)
        OverrideDensity(set, static_cast<long double>(choice.density));
    return set;
}

double ChoiceDensity(const MaterialChoice &choice, const CompoundLibrary &library)
{
    if (choice.density > 0.0)
        return choice.density;
    return static_cast<double>(ChoiceComposition(choice, library).Density);
}

SourceMaterial ChoiceSourceMaterial(const MaterialChoice &choice, const CompoundLibrary &library, int dataSource)
{
    const TCmpDataSet set = ChoiceComposition(choice, library);
    try {
        return SourceMaterial(ChoiceText(choice).toStdString(), set, dataSource);
    } catch (const SourceError &error) {
        throw ToolInputError{QString::fromStdString(error.what())};
    }
}

ShieldMaterial ChoiceShieldMaterial(const MaterialChoice &choice, const CompoundLibrary &library)
{
    const TCmpDataSet set = ChoiceComposition(choice, library);
    ShieldMaterial material;
    material.name = ChoiceText(choice).toStdString();
    for (int z = 1; z <= kHighestAtomicNumber && z <= kElementCount; ++z)
        material.massFractions[std::size_t(z)] = set.ElementWeight[std::size_t(z)];
    material.densityGCm3 = set.Density > 0.0L ? static_cast<double>(set.Density) : 0.0;
    return material;
}

double ThicknessCm(const Thickness &thickness, double densityGCm3, const QString &material)
{
    const double cmPerUnit = CmPerUnit(thickness.unit);
    if (cmPerUnit > 0.0)
        return thickness.value * cmPerUnit;
    if (!(densityGCm3 > 0.0))
        throw ToolInputError{QStringLiteral("%1 has no density: give one, or its thickness in g/cm2").arg(material)};
    return thickness.value / densityGCm3;
}

QString ThicknessText(const Thickness &thickness)
{
    return ShortestText(thickness.value) + QLatin1Char(' ') + QString::fromLatin1(ThicknessUnitName(thickness.unit));
}

QString ChoiceText(const MaterialChoice &choice)
{
    return choice.isFormula ? QStringLiteral("formula ") + choice.text : choice.text;
}

} // namespace pheltra
