// The atomic data of one element as the atomic data view shows it: finding
// the element from what the user typed, and the text of every field. The view
// and the batch tool's "element" command both show these texts.
#pragma once

#include <QList>
#include <QLocale>
#include <QString>

#include <array>
#include <utility>

// What a typed text finds.
struct ElementLookup
{
    enum class Outcome {
        Empty,    // nothing typed (or only blanks): nothing happens
        Found,    // z holds the element
        NotFound, // a number outside 1..99 or no matching symbol: the view beeps
    };
    Outcome outcome = Outcome::Empty;
    int z = 0;
};

// A text that is a whole integer (leading blanks and a sign allowed, decimal
// digits or "$" and hexadecimal digits) finds the element of that number
// when it lies in 1..99. Any other text is taken as a symbol: after leading
// blanks its first two characters, upper-cased, are compared with the
// upper-cased symbols for Z = 1..99 and the first match wins. So "fe2o3"
// finds iron, "Carbon" calcium, and "c " nothing.
ElementLookup FindElement(const QString &input);
// Why a lookup of input found nothing, in one line for a message ("no element
// matches 'Xx' (an atomic number 1 to 99 or a symbol)"); empty when it found
// an element.
QString ElementLookupProblem(const ElementLookup &lookup, const QString &input);

inline constexpr int kEdgeFieldCount = 12;

// The field texts of element Z (1..99). Numbers use the locale's decimal
// separator; a yield, ratio or edge that is not above 0 shows "--".
struct ElementDataTexts
{
    QString name;
    QString atomicNumber;
    QString symbol;
    QString atomicWeight;        // "%.5f"
    QString density;             // "%.5g", g/cm3
    QString excitationPotential; // "%.1f", eV
    // Edges of data source H's table, K, L1..L3, M1..M5, N1..N3, "%.4f" keV.
    std::array<QString, kEdgeFieldCount> edges;
    QString kYield;    // "%.4f"
    QString lYield;    // "%.4f"
    QString kaKbRatio; // "%.4f"
};
ElementDataTexts ElementData(int z, const QLocale &locale);

// The captions of the edge fields, "K:" to "N3:".
extern const std::array<QString, kEdgeFieldCount> kEdgeLabels;

// Every field as (caption, text), in the order the view shows them: element
// data, absorption edges, fluorescence data.
QList<std::pair<QString, QString>> ElementDataFields(const ElementDataTexts &texts);
