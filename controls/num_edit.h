// TNumEdit: the one-line field through which every dialog takes a number.
//
// It filters keystrokes by the kind of number it takes, reads the number
// back out of whatever text it holds (leniently, see ParseNumericText),
// checks it against its bounds when the user leaves the field, and shows it
// through a numeric picture (see FormatDisplayValue). Text that arrives other
// than by typing (paste, drop, undo) is not filtered; it is read leniently.
//
// Settings are applied in the order: kind (SetEntryRequired),
// SetEntryBlankZero, SetDisplayFormat, SetMaximum, SetMinimum, SetValue,
// SetValueChanged, because choosing the kind installs its default picture
// and bounds.
#pragma once

#include "controls/num_edit_kind.h"

#include <QChar>
#include <QLineEdit>
#include <QString>

class QFocusEvent;
class QHideEvent;
class QInputMethodEvent;
class QKeyEvent;

namespace pheltra::controls {

class TNumEdit : public QLineEdit
{
    Q_OBJECT

public:
    // A floating-point field with its defaults, right-aligned, 121 x 25
    // pixels, zero shown blank, value 0 (so the text is empty).
    explicit TNumEdit(QWidget *parent = nullptr);

    // Reading parses the current text, stores the number and returns it, with
    // no bound check. When the text does not convert, the information sound
    // plays and the stored number is returned unchanged. After a passed exit
    // check the text is the re-displayed one, so the number read is the one
    // shown, rounded to the picture's decimals.
    long double Value();
    // Stores and re-displays a different number; writing the number already
    // stored does nothing, so an unconfirmed typed text stays on screen.
    void SetValue(long double value);

    // Inclusive bounds of the exit check. Writing stores only; nothing is
    // checked again or re-displayed.
    long double Minimum() const { return minimum_; }
    void SetMinimum(long double minimum) { minimum_ = minimum; }
    long double Maximum() const { return maximum_; }
    void SetMaximum(long double maximum) { maximum_ = maximum; }

    QString DisplayFormat() const { return displayFormat_; }
    void SetDisplayFormat(const QString &picture);

    // Zero shows as an empty field, and an empty or zero entry always passes
    // the exit check. Switching it on while the value is 0 empties the text.
    bool EntryBlankZero() const { return entryBlankZero_; }
    void SetEntryBlankZero(bool on);

    // The kind; writing it (even the same kind again) installs the kind's
    // default picture and bounds and re-displays.
    TNumEditType EntryRequired() const { return kind_; }
    void SetEntryRequired(TNumEditType kind);

    // Set by a passed exit check that leaves a number different from the one
    // the field held when it gained the focus; cleared when it gains it.
    bool ValueChanged() const { return valueChanged_; }
    void SetValueChanged(bool changed) { valueChanged_ = changed; }

    // The exit check on demand, for a dialog that needs the field valid
    // without moving the focus (before switching tabs). Same effects as
    // leaving the field: on failure the field takes the focus, selects its
    // text and beeps; on success it re-displays. Emits exited() either way.
    // Answers 0 when the check passed, -1 when it failed.
    int ExitCheck();

    // The locale's decimal separator, read once when the field is created.
    QChar DecimalSeparator() const { return decimalSeparator_; }

    QSize sizeHint() const override;

signals:
    // The focus arrived from elsewhere in the window.
    void entered();
    // After each exit check, whether it passed or not.
    void exited(bool passed);
    // Each typed character after the filter; a discarded one as QChar(0).
    void keyPressed(QChar character);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    void Display();
    bool ReadText();
    bool RunExitCheck();
    void ReclaimFocus();
    bool TypeCharacter(QChar character);

    TNumEditType kind_ = TNumEditType::floatingpointvalue;
    QString displayFormat_;
    long double value_ = 0.0L;
    long double entryValue_ = 0.0L;
    bool valueChanged_ = false;
    bool entered_ = false; // focus arrived and the field has not been left since
    bool entryBlankZero_ = true;
    long double maximum_ = kNoUpperBound;
    long double minimum_ = kNoLowerBound;
    QChar decimalSeparator_;
};

} // namespace pheltra::controls
