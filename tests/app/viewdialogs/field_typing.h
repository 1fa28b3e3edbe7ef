// Typing into a numeric field as a user does: click into it, select what it
// holds, type over it. The field is not left, so no exit check runs.
#pragma once

#include "controls/num_edit.h"

#include <QTest>

inline void TypeInto(pheltra::controls::TNumEdit *field, const QString &text)
{
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, text);
}
