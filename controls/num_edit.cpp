#include "controls/num_edit.h"

#include "controls/display_format.h"
#include "controls/keystroke_filter.h"
#include "controls/numeric_text.h"
#include "controls/system_sound.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLocale>

#include <algorithm>

namespace pheltra::controls {
namespace {

// Focus that leaves and returns with the window (another window activated,
// a message box, a context menu) is neither an entry nor an exit: the field
// stays entered and runs no exit check.
bool MovesWithTheWindow(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason;
}

// Clipboard and undo keys stay the edit field's own; they are not typing.
bool IsEditingShortcut(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if ((modifiers & (Qt::ControlModifier | Qt::MetaModifier)) && !(modifiers & Qt::AltModifier)) {
        return true;
    }
    for (const auto key : {QKeySequence::Undo, QKeySequence::Redo, QKeySequence::Cut, QKeySequence::Copy,
                           QKeySequence::Paste, QKeySequence::SelectAll}) {
        if (event->matches(key)) {
            return true;
        }
    }
    return false;
}

} // namespace

TNumEdit::TNumEdit(QWidget *parent) : QLineEdit(parent)
{
    const QString point = QLocale().decimalPoint();
    decimalSeparator_ = point.isEmpty() ? QChar(u'.') : point.front();
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    resize(121, 25);
    SetEntryRequired(TNumEditType::floatingpointvalue);
}

long double TNumEdit::Value()
{
    ReadText();
    return value_;
}

void TNumEdit::SetValue(long double value)
{
    if (value == value_) {
        return;
    }
    value_ = value;
    Display();
}

void TNumEdit::SetDisplayFormat(const QString &picture)
{
    if (picture == displayFormat_) {
        return;
    }
    displayFormat_ = picture;
    Display();
}

void TNumEdit::SetEntryBlankZero(bool on)
{
    if (on == entryBlankZero_) {
        return;
    }
    entryBlankZero_ = on;
    if (on && value_ == 0.0L) {
        Display();
    }
}

void TNumEdit::SetEntryRequired(TNumEditType kind)
{
    kind_ = kind;
    NumEditKindDefaults defaults = KindDefaults(kind);
    displayFormat_ = std::move(defaults.display_format);
    minimum_ = defaults.minimum;
    maximum_ = defaults.maximum;
    Display();
}

int TNumEdit::ExitCheck()
{
    return RunExitCheck() ? 0 : -1;
}

QSize TNumEdit::sizeHint() const
{
    return {121, std::max(25, QLineEdit::sizeHint().height())};
}

void TNumEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    // Still entered when the focus comes back with the window, or when a
    // failed exit check takes it back.
    if (entered_) {
        return;
    }
    entered_ = true;
    entryValue_ = value_;
    valueChanged_ = false;
    selectAll();
    emit entered();
}

void TNumEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    // A field that was never entered is not left either: this happens to the
    // widget that had just received the focus when a failed exit check takes
    // it back, and keeps two fields from pulling the focus to and fro.
    if (!entered_ || MovesWithTheWindow(event->reason())) {
        return;
    }
    // A field just disabled or hidden cannot be corrected, so it lets go.
    if (!isEnabled() || !isVisible()) {
        entered_ = false;
        return;
    }
    if (RunExitCheck()) {
        entered_ = false;
    }
}

void TNumEdit::hideEvent(QHideEvent *event)
{
    // A dialog closed while the field had the focus enters it anew when it
    // opens again.
    entered_ = false;
    QLineEdit::hideEvent(event);
}

void TNumEdit::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        // They belong to the dialog's default and cancel buttons. Return
        // confirms a dialog without an exit check of this field.
        event->ignore();
        return;
    }
    const QString typed = event->text();
    if (isReadOnly() || typed.isEmpty() || IsEditingShortcut(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    bool taken = false;
    for (const QChar c : typed) {
        taken = TypeCharacter(c) || taken;
    }
    // A refused control character (a Tab with nowhere to go) travels on to
    // the dialog; a refused printable character is dropped with a beep, so a
    // lost "e" of "2.5e-3" is heard.
    event->setAccepted(taken || typed.front().category() != QChar::Other_Control);
}

void TNumEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Characters composed by an input method are typing as well.
    if (isReadOnly() || !event->preeditString().isEmpty() || event->replacementLength() != 0 ||
        event->commitString().isEmpty()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    for (const QChar c : event->commitString()) {
        TypeCharacter(c);
    }
    event->accept();
}

void TNumEdit::Display()
{
    const QString shown =
        entryBlankZero_ && value_ == 0.0L ? QString() : FormatDisplayValue(value_, displayFormat_, decimalSeparator_);
    // The edit field cuts text beyond its maximum length; a number shown cut
    // would be a different number.
    if (shown.size() > maxLength()) {
        setMaxLength(static_cast<int>(shown.size()));
    }
    setText(shown);
}

bool TNumEdit::ReadText()
{
    if (const auto number = ParseNumericText(text(), decimalSeparator_)) {
        value_ = *number;
        return true;
    }
    PlaySystemSound(SystemSound::kInformation);
    return false;
}

bool TNumEdit::RunExitCheck()
{
    const bool passed = ReadText() && PassesExitCheck(value_, minimum_, maximum_, entryBlankZero_);
    if (passed) {
        Display();
        if (value_ != entryValue_) {
            valueChanged_ = true;
        }
    } else {
        // The number read stays stored, in range or not, and the text stays as
        // typed so the user sees what was refused.
        ReclaimFocus();
        selectAll();
        PlaySystemSound(SystemSound::kBeep);
    }
    emit exited(passed);
    return passed;
}

void TNumEdit::ReclaimFocus()
{
    // Leaving by the focus, the field is still entered, so taking the focus
    // back is no new entry; called on demand while another widget has the
    // focus, the field is entered now.
    if (!hasFocus()) {
        setFocus(Qt::OtherFocusReason);
    }
}

bool TNumEdit::TypeCharacter(QChar c)
{
    const int start = hasSelectedText() ? selectionStart() : cursorPosition();
    const int end = hasSelectedText() ? selectionEnd() : start;
    const KeystrokeDecision decision = DecideKeystroke(kind_, text(), start, end, c, decimalSeparator_);
    if (decision.verdict == KeystrokeVerdict::kDiscard) {
        if (c.category() != QChar::Other_Control)
            PlaySystemSound(SystemSound::kBeep);
        emit keyPressed(QChar());
        return false;
    }
    emit keyPressed(c);
    if (decision.verdict == KeystrokeVerdict::kEdit) {
        if (c == kBackspace) {
            backspace();
        } else {
            del();
        }
        return true;
    }
    // A listener of keyPressed may have changed the text meanwhile.
    const auto length = text().size();
    const auto from = static_cast<int>(std::min(decision.replace_from, length));
    const auto to = static_cast<int>(std::min(decision.replace_to, length));
    setSelection(from, to - from);
    insert(QString(c));
    return true;
}

} // namespace pheltra::controls
