// A material as the tool windows take it: a library entry or a chemical
// formula, with a density of its own where the user gives one, and a layer of
// it (a shield layer or a beam filter) with its thickness. The same choice
// becomes the material the sources code filters a beam with and the one the
// shielding code puts in a shield.
#pragma once

#include "absorber/data_set.h"
#include "shielding/shield_material.h"
#include "sources/filtration.h"
#include "sources/source_material.h"

#include <QString>

class CompoundLibrary;

namespace pheltra {

struct MaterialChoice
{
    QString text;           // the library's name, or the formula
    bool isFormula = false; // a formula, else a library entry
    double density = 0.0;   // g/cm3 given by the user; 0: the library's (a formula has none)
};

struct LayerChoice
{
    MaterialChoice material;
    Thickness thickness; // value and unit (cm, mm, um, g/cm2)
};

// Why a material or a layer cannot be used, in one line.
struct ToolInputError
{
    QString message;
};

// The composition and density of a choice. Throws ToolInputError for a name
// the library does not hold or a formula that does not read.
TCmpDataSet ChoiceComposition(const MaterialChoice &choice, const CompoundLibrary &library);
// The density the choice has (g/cm3): the user's, else the library's; not
// above 0 when it has none.
double ChoiceDensity(const MaterialChoice &choice, const CompoundLibrary &library);

// The material for the sources code (filters, half-value layers, the
// medium). Throws ToolInputError.
SourceMaterial ChoiceSourceMaterial(const MaterialChoice &choice, const CompoundLibrary &library, int dataSource);
// The material for the shielding code. Throws ToolInputError.
ShieldMaterial ChoiceShieldMaterial(const MaterialChoice &choice, const CompoundLibrary &library);

// The thickness in cm; a mass thickness is divided by the density. Throws
// ToolInputError when a mass thickness meets a material without density.
double ThicknessCm(const Thickness &thickness, double densityGCm3, const QString &material);

// "2.5 mm", "0.1 g/cm2", with the value in the shortest text that reads back.
QString ThicknessText(const Thickness &thickness);
// The choice as a grid or a report names it: the entry's name, or
// "formula PbO".
QString ChoiceText(const MaterialChoice &choice);

} // namespace pheltra
