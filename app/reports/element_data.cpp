#include "app/reports/element_data.h"

#include "absorber/compound_file_syntax.h"
#include "absorber/data_set.h"
#include "app/reports/number_format.h"
#include "datalib/shell/treffid.h"
#include "gallomir/gallomir.h"

const std::array<QString, kEdgeFieldCount> kEdgeLabels{
    QStringLiteral("K:"),  QStringLiteral("L1:"), QStringLiteral("L2:"), QStringLiteral("L3:"),
    QStringLiteral("M1:"), QStringLiteral("M2:"), QStringLiteral("M3:"), QStringLiteral("M4:"),
    QStringLiteral("M5:"), QStringLiteral("N1:"), QStringLiteral("N2:"), QStringLiteral("N3:")};

namespace {

QString WithoutLeadingBlanks(const QString &text)
{
    qsizetype first = 0;
    while (first < text.size() && text.at(first) == QLatin1Char(' '))
        ++first;
    return text.mid(first);
}

// Yields, ratios and edges: four decimals when there is a value.
QString PositiveOrDashes(long double value, const QLocale &locale)
{
    return value > 0.0L ? FormatDecimals(value, 4, locale) : QStringLiteral("--");
}

} // namespace

ElementLookup FindElement(const QString &input)
{
    const QString text = WithoutLeadingBlanks(input);
    if (text.isEmpty())
        return {};
    // The number syntax of the compound library file: sign, decimal digits or
    // "$" and hexadecimal digits, nothing after them.
    if (const auto number = ParseInteger(text.toUtf8())) {
        if (*number >= 1 && *number <= kElementCount)
            return {ElementLookup::Outcome::Found, *number};
        return {ElementLookup::Outcome::NotFound, 0};
    }
    const QString key = text.left(2).toUpper();
    for (int z = 1; z <= kElementCount; ++z) {
        if (QString::fromUtf8(GetElementSymbol(z)).toUpper() == key)
            return {ElementLookup::Outcome::Found, z};
    }
    return {ElementLookup::Outcome::NotFound, 0};
}

QString ElementLookupProblem(const ElementLookup &lookup, const QString &input)
{
    switch (lookup.outcome) {
    case ElementLookup::Outcome::Empty:
        return QStringLiteral("no atomic number or symbol given");
    case ElementLookup::Outcome::NotFound:
        return QStringLiteral("no element matches '%1' (an atomic number 1 to %2 or a symbol)")
            .arg(input)
            .arg(kElementCount);
    case ElementLookup::Outcome::Found:
        break;
    }
    return {};
}

ElementDataTexts ElementData(int z, const QLocale &locale)
{
    ElementDataTexts texts;
    texts.name = QString::fromUtf8(GetElementName(z));
    texts.atomicNumber = QString::number(z);
    texts.symbol = QString::fromUtf8(GetElementSymbol(z));
    texts.atomicWeight = FormatDecimals(GetAtomicWeight(z), 5, locale);
    texts.density = FormatGeneral(GetElementDensity(z), 5, locale, kFormatGFixedFrom);
    texts.excitationPotential = FormatDecimals(GetExcitationPot(z), 1, locale);
    texts.kYield = PositiveOrDashes(GetKYield(z), locale);
    texts.lYield = PositiveOrDashes(GetLYield(z), locale);
    texts.kaKbRatio = PositiveOrDashes(GetKaKbRatio(z), locale);
    // Whatever source the graph uses, the view shows the edges of source H.
    for (int n = 1; n <= kEdgeFieldCount; ++n) {
        texts.edges[static_cast<std::size_t>(n - 1)] =
            PositiveOrDashes(TCmpDataSet::AbsorptionEdge(z, n, kDataSourceH), locale);
    }
    return texts;
}

QList<std::pair<QString, QString>> ElementDataFields(const ElementDataTexts &texts)
{
    QList<std::pair<QString, QString>> fields{
        {QStringLiteral("Element:"), texts.name},
        {QStringLiteral("Atomic Number:"), texts.atomicNumber},
        {QStringLiteral("Symbol:"), texts.symbol},
        {QStringLiteral("Atomic Weight:"), texts.atomicWeight},
        {QStringLiteral("Density (g/cm³):"), texts.density},
        {QStringLiteral("Excitation Pot. (eV):"), texts.excitationPotential},
    };
    for (std::size_t n = 0; n < texts.edges.size(); ++n)
        fields.append({kEdgeLabels[n], texts.edges[n]});
    fields.append({QStringLiteral("K-Yield:"), texts.kYield});
    fields.append({QStringLiteral("L-Yield:"), texts.lYield});
    fields.append({QStringLiteral("K(alpha)/K(beta):"), texts.kaKbRatio});
    return fields;
}
