#include "shielding/standard_materials.h"

#include "gallomir/gallomir.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

namespace pheltra {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

MassFractions WaterComposition()
{
    constexpr int kHydrogen = 1;
    constexpr int kOxygen = 8;
    const double hydrogen = 2.0 * GetAtomicWeight(kHydrogen);
    const double molecule = hydrogen + GetAtomicWeight(kOxygen);
    MassFractions water{};
    water[kHydrogen] = hydrogen / molecule;
    water[kOxygen] = 1.0 - water[kHydrogen];
    return water;
}

MassFractions MixtureComposition(std::string_view name)
{
    MassFractions composition{};
    for (const Ans643Mixture &mixture : Ans643Mixtures()) {
        if (name != mixture.material)
            continue;
        for (const Ans643Share &share : Ans643Shares().subspan(mixture.firstShare, mixture.shareCount))
            composition[share.z] = share.massFraction;
    }
    return composition;
}

std::vector<StandardMaterial> BuildMaterials()
{
    std::vector<StandardMaterial> materials;
    for (const Ans643Table &table : Ans643Tables()) {
        auto known = std::ranges::find(materials, std::string_view(table.material), &StandardMaterial::name);
        if (known == materials.end()) {
            MassFractions composition{};
            if (table.z > 0)
                composition[table.z] = 1.0;
            else if (std::string_view(table.material) == "Water")
                composition = WaterComposition();
            else
                composition = MixtureComposition(table.material);
            materials.push_back({table.material, table.z, nullptr, nullptr, composition});
            known = materials.end() - 1;
        }
        (table.response == BuildupResponse::kExposure ? known->exposure : known->energyAbsorption) = &table;
    }
    return materials;
}

const std::vector<StandardMaterial> &Materials()
{
    static const std::vector<StandardMaterial> materials = BuildMaterials();
    return materials;
}

std::vector<const StandardMaterial *> BuildElements()
{
    std::vector<const StandardMaterial *> elements;
    for (const StandardMaterial &material : Materials())
        if (material.z > 0)
            elements.push_back(&material);
    std::ranges::sort(elements, {}, &StandardMaterial::z);
    return elements;
}

} // namespace

std::span<const StandardMaterial> StandardMaterials()
{
    return Materials();
}

std::span<const StandardMaterial *const> StandardElements()
{
    static const std::vector<const StandardMaterial *> elements = BuildElements();
    return elements;
}

const StandardMaterial *StandardMaterialByName(std::string_view name)
{
    for (const StandardMaterial &material : Materials()) {
        if (SameIgnoringCase(name, material.name))
            return &material;
        if (material.z > 0 &&
            (SameIgnoringCase(name, GetElementName(material.z)) ||
             SameIgnoringCase(name, GetElementSymbol(material.z))))
            return &material;
    }
    return nullptr;
}

const StandardMaterial *RecogniseStandardMaterial(const MassFractions &composition)
{
    const StandardMaterial *best = nullptr;
    double bestDistance = kSameCompositionTolerance;
    for (const StandardMaterial &material : Materials()) {
        double distance = 0.0;
        for (std::size_t z = 1; z < composition.size(); ++z)
            distance += std::abs(composition[z] - material.composition[z]);
        if (distance <= bestDistance) {
            best = &material;
            bestDistance = distance;
        }
    }
    return best;
}

} // namespace pheltra
