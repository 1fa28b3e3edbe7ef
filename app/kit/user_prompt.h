// The program's modal questions and messages: the message boxes (plain
// message, warning with OK or OK/Cancel, error, Yes/No confirmation) and the
// one-line input box. Every window asks the user through these functions and
// never opens a QMessageBox itself, so that a test can answer in the user's
// place by installing its own handler (see tests/app/support/scripted_prompt.h).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class QWidget;

namespace UserPrompt {

enum class Kind : std::uint8_t {
    Message,         // a plain message with OK
    Warning,         // a warning with OK
    WarningOkCancel, // a warning with OK and Cancel
    Error,           // an error with OK
    Confirmation,    // a question with Yes and No
    TextInput        // the one-line input box with OK and Cancel
};

enum class Answer : std::uint8_t { Ok, Cancel, Yes, No };

struct Request
{
    Kind kind = Kind::Message;
    QString text;    // the message, or the input box's prompt
    QString caption; // the window caption
    QString preset;  // the input box's text at opening
};

struct Reply
{
    Answer answer = Answer::Ok;
    QString text; // the input box's text when it was confirmed
};

// Shows a request modally over `parent` (or the active window) and returns
// what the user chose. Closing a box by its close button or Escape answers
// Cancel, or No for a confirmation.
using Handler = std::function<Reply(QWidget *parent, const Request &request)>;

// Installs `handler` for every later request and returns the one it replaces;
// an empty handler restores the real boxes.
Handler SetHandler(Handler handler);

void Message(QWidget *parent, const QString &text);
void Warning(QWidget *parent, const QString &text);
// True when the user chose OK.
bool WarningOkCancel(QWidget *parent, const QString &text);
void Error(QWidget *parent, const QString &text);
// True when the user chose Yes.
bool Confirm(QWidget *parent, const QString &text);
// The text entered, or nothing when the box was cancelled.
std::optional<QString> InputText(QWidget *parent, const QString &caption, const QString &prompt, const QString &preset);

// The captions of the boxes as the user sees them.
QString CaptionOf(Kind kind);

} // namespace UserPrompt
