// How the material layer refuses what a user gave: one error naming the
// field at fault in neutral words ("density", "formula"), with a message that
// no front end owns. The batch tool words the field as its option
// ("--density"), the Python module as its argument ("density="), a window as
// its own field; Worded() puts their words and the message together the same
// way for all of them.
#pragma once

#include <QString>

namespace pheltra {

// What a user names when describing a material or a coefficient.
enum class Field {
    Absorber, // a library entry by name
    Weight,   // the relative weight of one part of a mixture
    Formula,  // a chemical formula
    Weights,  // mass fractions {Z: weight}
    Density,  // g/cm3 of the whole material
    Energy,   // photon energy, keV
    Source,   // the data source
    Type,     // the coefficient type
};

// The field's neutral name: "absorber", "weight", "formula", "weights",
// "density", "energy", "source", "type".
QString FieldName(Field field);
// The unit a value of the field is given in ("g/cm3", "keV"), empty when it
// has none.
QString FieldUnit(Field field);

struct InputError
{
    // How the message joins the front end's word for the field.
    enum class Wording {
        Alone,      // a whole line of its own: "unknown absorber 'X'"
        AfterField, // said of the field: "must lie above 0 ..." after "--density"
        Missing,    // the field is needed but was not given: the front end adds how to give it
    };

    Field field;
    QString message;
    Wording wording = Wording::Alone;
};

// The one line a front end shows. name is its word for the field
// ("--density", "density"), give how its user supplies a value
// ("--density", "density="):
//   Alone:      message
//   AfterField: name message                  ("--density must lie above 0 ...")
//   Missing:    message; give one with give (unit)
QString Worded(const InputError &error, const QString &name, const QString &give);

} // namespace pheltra
