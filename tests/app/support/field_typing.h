// Typing into a dialog's numeric field as a user does: the
// field takes the focus, its text is selected, the keys replace it.
#pragma once

#include "controls/num_edit.h"

#include <QTest>

namespace app_test {

// `text` with "." standing for the field's decimal separator.
inline void TypeInto(pheltra::controls::TNumEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    field->selectAll();
    QTest::keyClicks(field, QString(text).replace(QLatin1Char('.'), field->DecimalSeparator()));
}

// The field's text with its decimal separator shown as ".".
inline QString Shown(const pheltra::controls::TNumEdit *field)
{
    return QString(field->text()).replace(field->DecimalSeparator(), QLatin1Char('.'));
}

} // namespace app_test
