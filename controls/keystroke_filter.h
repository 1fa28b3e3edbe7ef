// The decision a numeric entry field takes on each typed character, before
// the text changes. Kept apart from the widget so that every rule can be
// exercised on plain text and selections.
#pragma once

#include "controls/num_edit_kind.h"

#include <QChar>
#include <QStringView>

namespace pheltra::controls {

inline constexpr QChar kBackspace{u'\b'};
inline constexpr QChar kDelete{u'\x7f'};

enum class KeystrokeVerdict {
    kDiscard, // the character is dropped (the field beeps for a printable one)
    kInsert,  // the character replaces [replace_from, replace_to)
    kEdit,    // backspace or DEL: the edit field's own deleting
};

struct KeystrokeDecision
{
    KeystrokeVerdict verdict = KeystrokeVerdict::kDiscard;
    qsizetype replace_from = 0;
    qsizetype replace_to = 0;
};

// Whether `kind` takes `c` at all while typing: digits, backspace and DEL
// always, "-" except in word fields, the decimal separator in floating-point
// fields only. Return and every other control character are refused.
bool IsAcceptedCharacter(TNumEditType kind, QChar c, QChar decimal_separator);

// Whether the text a digit keystroke would produce is still a number of the
// kind: integers within -32768..32767, words at most 65535, long integers at
// most ten characters after an optional leading minus and, at ten, not above
// "2147483647" ("2147483648" after a minus) compared as text. A candidate
// that is no integer at all (after pasted text) fails.
bool CandidateFitsKind(TNumEditType kind, QStringView candidate);

// The filter for one typed character `c` on `text` with the selection
// [selection_start, selection_end) (equal for a bare caret; taken in either
// order and clamped to the text).
KeystrokeDecision DecideKeystroke(TNumEditType kind, QStringView text, qsizetype selection_start,
                                  qsizetype selection_end, QChar c, QChar decimal_separator);

} // namespace pheltra::controls
