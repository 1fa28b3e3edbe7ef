#include "app/kit/num_edit_support.h"

#include "controls/display_format.h"
#include "controls/num_edit.h"

#include <QEvent>

using pheltra::controls::TNumEdit;

void ShowFieldValue(TNumEdit *field, long double value)
{
    field->SetValue(value);
    const QString shown = field->EntryBlankZero() && value == 0.0L
        ? QString()
        : pheltra::controls::FormatDisplayValue(value, field->DisplayFormat(), field->DecimalSeparator());
    if (field->text() != shown)
        field->setText(shown);
}

FieldConfirmation::FieldConfirmation(TNumEdit *field) : QObject(field), field_(field)
{
    connect(field_, &TNumEdit::exited, this, [this](bool passed) {
        checked_ = true;
        passed_ = passed;
        checkedText_ = field_->text();
    });
    field_->installEventFilter(this);
}

bool FieldConfirmation::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == field_ && event->type() == QEvent::KeyPress)
        Reset();
    return QObject::eventFilter(watched, event);
}

bool FieldConfirmation::Passes()
{
    // The last exit check counts once, and only for the entry it saw.
    const bool fresh = checked_ && field_->text() == checkedText_;
    const bool passed = fresh ? passed_ : field_->ExitCheck() == 0;
    Reset();
    return passed;
}

void FieldConfirmation::Reset()
{
    checked_ = false;
    checkedText_.clear();
}
