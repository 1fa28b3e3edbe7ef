// Chemical formulas read into elemental composition: element symbols with
// counts ("H2O", "Gd2O2S"), nested parentheses and brackets
// ("Ca10(PO4)6(OH)2"), decimal counts ("Al2O3(SiO2)1.5"), hydrate dots
// ("CuSO4·5H2O", "CuSO4*5H2O" or "CaSO4.H2O", the number after the dot
// multiplying what follows up to the next dot) and blanks between groups. A
// period between digits outside any group reads both ways ("CuSO4.5H2O": 4.5
// oxygen, or a hydrate): where both readings are formulas it is refused,
// naming the spellings of each; where only one is, that one stands. Symbols are
// Gallomir's (Z = 1..99), case-sensitive: "Co" is cobalt, "CO" carbon
// monoxide. Weight fractions use Gallomir's atomic weights.
#pragma once

#include "absorber/compound.h"

#include <QString>
#include <QStringView>

#include <array>

// Why a formula could not be read, with the 1-based position of the fault in
// characters of the text as given, leading blanks included: "unknown element
// 'Xx' at 3", "unbalanced ')' at 7".
struct FormulaError
{
    QString message;
};

inline constexpr int kFormulaMaxDepth = 16;         // nested groups
inline constexpr double kFormulaMaxCount = 1000000; // one count

// Atoms of each element per formula unit, indexed by Z (index 0 unused).
using FormulaAtoms = std::array<double, TCompound::kMaxAtomicNumber + 1>;

// Throws FormulaError for anything that is not a formula: an empty text, a
// formula of two readings, an unknown symbol, a count of 0 or above kFormulaMaxCount, an unbalanced or
// mismatched bracket, groups nested deeper than kFormulaMaxDepth, or any
// other character.
FormulaAtoms ParseFormula(QStringView formula);

// Mass fraction of each element: atoms times atomic weight over the sum.
// Sums to 1 within rounding.
FormulaAtoms FormulaWeightFractions(const FormulaAtoms &atoms);

// A library record for the formula: the formula without its outer blanks as
// its display text, its
// elements in ascending Z with their weight fractions, the given density
// (-1 for none). Throws FormulaError when the formula holds more elements
// than a record has slots (14).
TCompound FormulaCompound(QStringView formula, float density = -1.0f);
