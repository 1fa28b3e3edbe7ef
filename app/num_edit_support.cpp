#include "app/num_edit_support.h"

#include "controls/display_format.h"
#include "controls/num_edit.h"

using pheltra::controls::TNumEdit;

void ShowFieldValue(TNumEdit *field, long double value)
{
    field->SetValue(value);
    const QString shown =
        field->EntryBlankZero() && value == 0.0L
            ? QString()
            : pheltra::controls::FormatDisplayValue(value, field->DisplayFormat(),
                                                    field->DecimalSeparator());
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
}

bool FieldConfirmation::Passes()
{
    // The check of the last exit counts once, for the entry it saw: a
    // second Return on a refused entry checks (and beeps) again.
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
