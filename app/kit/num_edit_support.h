// What the dialogs need around their numeric fields: showing a value for
// certain, and the field's exit check at the moment the dialog is confirmed.
#pragma once

#include <QObject>
#include <QString>

namespace pheltra::controls {
class TNumEdit;
}

// Writes `value` into the field and shows it through the field's picture,
// also when the field already holds that number: its text may still be an
// entry that the user left unconfirmed when the dialog last closed.
void ShowFieldValue(pheltra::controls::TNumEdit *field, long double value);

// The exit check of a field when its dialog is confirmed. A click on a
// button moves the focus first, so the field has already checked itself
// (and beeped and kept the focus when it refused); Return confirms the dialog
// without the field ever being left. Either way the entry on screen is
// checked exactly once, so a refused entry is never taken and the user hears
// one beep, not two. A check counts for the next confirmation only until the
// user presses a key in the field: Return pressed on an entry refused before
// checks it (and beeps) again.
class FieldConfirmation : public QObject
{
    Q_OBJECT

public:
    explicit FieldConfirmation(pheltra::controls::TNumEdit *field);

    // True when the entry on screen passes the field's exit check; on
    // failure the field holds the focus with its text selected and has
    // beeped.
    bool Passes();
    // Forgets the last exit check, for a dialog that is shown anew.
    void Reset();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    pheltra::controls::TNumEdit *field_;
    bool checked_ = false;
    bool passed_ = false;
    QString checkedText_;
};
