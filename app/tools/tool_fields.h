// The numeric fields and unit lists of the tool windows, made alike: every
// number is a numeric entry field (floating point, zero shown empty) read
// silently while the user types, so that the windows can recompute at every
// keystroke without the field's information sound.
#pragma once

#include "sources/filtration.h"

#include <QAnyStringView>
#include <QString>

class QComboBox;
class QWidget;

namespace pheltra::controls {
class TNumEdit;
}

// A floating-point field with the picture `picture`, bounds minimum..maximum
// and zero shown empty.
pheltra::controls::TNumEdit *NumberField(QWidget *parent, QAnyStringView name, const QString &picture,
                                         long double minimum, long double maximum);
// g/cm3, 0 (empty) for the library's.
pheltra::controls::TNumEdit *DensityField(QWidget *parent, QAnyStringView name);
// A thickness in its unit, 0 and above.
pheltra::controls::TNumEdit *ThicknessField(QWidget *parent, QAnyStringView name);

// The number the field's text holds now, read as the field reads it but
// without a sound; 0 when the text holds none.
double FieldNumber(const pheltra::controls::TNumEdit *field);

// cm, mm, um and g/cm2, in the thickness parser's order of units.
QComboBox *ThicknessUnitCombo(QWidget *parent, QAnyStringView name);
pheltra::ThicknessUnit UnitOfCombo(const QComboBox *combo);
void SelectUnit(QComboBox *combo, pheltra::ThicknessUnit unit);
