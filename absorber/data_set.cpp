#include "absorber/data_set.h"

#include "absorber/compound_library.h"
#include "gallomir/gallomir.h"

#include <cmath>

int TCmpDataSet::AbsorberCount() const
{
    int count = 0;
    while (count < kAbsorberSlots && !AbsorberName[static_cast<std::size_t>(count)].isEmpty())
        ++count;
    return count;
}

int TCmpDataSet::FirstEmptySlot() const
{
    const int count = AbsorberCount();
    return count < kAbsorberSlots ? count : -1;
}

void TCmpDataSet::SetAbsorber(int slot, const QString &name, long double weight)
{
    const auto s = static_cast<std::size_t>(slot);
    AbsorberName.at(s) = name;
    RelWeight.at(s) = weight;
}

int TCmpDataSet::AddAbsorber(const QString &name, long double weight)
{
    const int slot = FirstEmptySlot();
    if (slot >= 0)
        SetAbsorber(slot, name, weight);
    return slot;
}

bool TCmpDataSet::DeleteAbsorber(int slot)
{
    if (slot < 0 || slot >= kAbsorberSlots || AbsorberName[static_cast<std::size_t>(slot)].isEmpty())
        return false;
    for (auto s = static_cast<std::size_t>(slot); s + 1 < AbsorberName.size(); ++s) {
        AbsorberName[s] = AbsorberName[s + 1];
        RelWeight[s] = RelWeight[s + 1];
    }
    AbsorberName.back().clear();
    RelWeight.back() = 0.0L;
    return true;
}

void TCmpDataSet::SetDataSource(int source)
{
    DataSource = static_cast<std::uint8_t>(source);
    CoeffType = static_cast<std::int8_t>(CoeffTypeUnderSource(source, CoeffType));
}

void TCmpDataSet::SetLegend(const QString &text)
{
    Legend = StoredLegend(text);
}

void TCmpDataSet::CopyWithoutLineStyle(const TCmpDataSet &other)
{
    const LineColorValue color = LineColor;
    const std::int32_t width = LineWidth;
    const std::uint8_t pattern = LinePattern;
    CopyFrom(other);
    LineColor = color;
    LineWidth = width;
    LinePattern = pattern;
}

void TCmpDataSet::UpdateComposition(const CompoundLibrary &library)
{
    ElementFractions accumulated{};
    long double totalWeight = 0.0L;
    long double electronsPerGram = 0.0L;
    long double specificVolume = 0.0L; // summed as relative weight / density
    bool allDensitiesKnown = true;

    for (std::size_t slot = 0; slot < AbsorberName.size(); ++slot) {
        if (AbsorberName[slot].isEmpty())
            continue;
        const int index = library.IndexOf(AbsorberName[slot]);
        if (index < 0)
            continue;
        const TCompound &compound = library.Compound(index);
        const long double weight = RelWeight[slot];
        // ConstituentCount stops before any atomic number above 99, so every
        // Z used here has its place in the fractions.
        for (int i = 0; i < compound.ConstituentCount(); ++i) {
            const auto z = static_cast<std::size_t>(compound.Z[static_cast<std::size_t>(i)]);
            accumulated[z] += static_cast<double>(compound.Weight[static_cast<std::size_t>(i)] * weight);
        }
        totalWeight += weight;
        electronsPerGram += compound.ElectronsPerGram() * weight;
        if (compound.Density > 0.0f)
            specificVolume += weight / compound.Density;
        else
            allDensitiesKnown = false;
    }

    if (totalWeight == 0.0L)
        totalWeight = 1.0L;
    ElectronsPerGram = electronsPerGram / totalWeight;
    specificVolume /= totalWeight;
    if (specificVolume > 0.0L && allDensitiesKnown) {
        ElectronsPerCm3 = ElectronsPerGram / specificVolume;
        Density = 1.0L / specificVolume;
    } else {
        ElectronsPerCm3 = -1.0L;
        Density = -1.0L;
    }

    // The fractions are normalised by their own sum, not by the relative
    // weights: library entries whose weights do not add up to 1 still give a
    // composition of 1.
    long double sum = 0.0L;
    for (const double value : accumulated)
        sum += value;
    ElementWeight.fill(0.0);
    if (sum > 0.0L) {
        for (std::size_t z = 1; z < accumulated.size(); ++z) {
            if (accumulated[z] > 0.0)
                ElementWeight[z] = static_cast<double>(accumulated[z] / sum);
        }
    }
    EffectiveZ = ::EffectiveZ(ElementWeight);
}

long double TCmpDataSet::CoefficientAt(long double energy) const
{
    if (!IsValidDataSource(DataSource) || !IsValidCoeffType(CoeffType))
        return -1.0L;
    if (!SourceOffers(DataSource, CoeffType) || CoeffType == kCoeffTypeNone)
        return 0.0L;

    const DataSourceInfo::CoefficientFunction coefficient = DataSourceAt(DataSource).coefficient;
    const std::int32_t kind = LibraryKind(CoeffType);
    const double libraryEnergy = static_cast<double>(energy);
    long double sum = 0.0L;
    bool zero = false;
    bool invalid = false;
    // Every element is asked, even after one has failed, so the result does
    // not depend on where in the list a failing element stands.
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        const double fraction = ElementWeight[static_cast<std::size_t>(z)];
        if (!(fraction > 0.0))
            continue;
        const double mu = coefficient(z, libraryEnergy, kind);
        if (!(mu >= 0.0)) // negative, or not a number at all
            invalid = true;
        else if (mu == 0.0)
            zero = true;
        else
            sum += static_cast<long double>(mu) * fraction;
    }
    if (invalid)
        return -1.0L;
    if (zero)
        return 0.0L;
    return sum;
}

double TCmpDataSet::AbsorptionEdge(std::int32_t Z, std::int32_t k, int dataSource)
{
    if (!IsValidDataSource(dataSource))
        return -1.0;
    return DataSourceAt(dataSource).absorptionEdge(Z, k);
}

long double EffectiveZ(const ElementFractions &fractions)
{
    long double electrons = 0.0L;
    long double weighted = 0.0L;
    for (std::int32_t z = 1; z <= kElementCount; ++z) {
        const double fraction = fractions[static_cast<std::size_t>(z)];
        if (!(fraction > 0.0))
            continue;
        const long double n = z * static_cast<long double>(fraction) / GetAtomicWeight(z);
        electrons += n;
        weighted += n * std::pow(static_cast<long double>(z), 3.5L);
    }
    if (!(electrons > 0.0L))
        return 0.0L;
    return std::pow(weighted / electrons, 1.0L / 3.5L);
}

QString StoredLegend(const QString &text)
{
    if (text.isEmpty())
        return QStringLiteral(" ");
    const QString legend = text.startsWith(QLatin1Char(' ')) ? text : QLatin1Char(' ') + text;
    return CutToCharacters(legend, ShortText::kCapacity);
}
