#include "app/kit/user_prompt.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

namespace UserPrompt {
namespace {

Handler &InstalledHandler()
{
    static Handler handler;
    return handler;
}

Reply AskWithMessageBox(QWidget *parent, const Request &request)
{
    QMessageBox::Icon icon = QMessageBox::Information;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    switch (request.kind) {
    case Kind::Message:
    case Kind::TextInput:
        break;
    case Kind::Warning:
        icon = QMessageBox::Warning;
        break;
    case Kind::WarningOkCancel:
        icon = QMessageBox::Warning;
        buttons = QMessageBox::Ok | QMessageBox::Cancel;
        break;
    case Kind::Error:
        icon = QMessageBox::Critical;
        break;
    case Kind::Confirmation:
        icon = QMessageBox::Question;
        buttons = QMessageBox::Yes | QMessageBox::No;
        break;
    }
    QMessageBox box(icon, request.caption, request.text, buttons, parent);
    box.setDefaultButton(buttons.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    box.setEscapeButton(buttons.testFlag(QMessageBox::No)           ? QMessageBox::No
                            : buttons.testFlag(QMessageBox::Cancel) ? QMessageBox::Cancel
                                                                    : QMessageBox::Ok);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return {Answer::Yes, {}};
    case QMessageBox::No:
        return {Answer::No, {}};
    case QMessageBox::Cancel:
        return {Answer::Cancel, {}};
    default:
        return {Answer::Ok, {}};
    }
}

Reply AskWithInputBox(QWidget *parent, const Request &request)
{
    bool ok = false;
    const QString text =
        QInputDialog::getText(parent, request.caption, request.text, QLineEdit::Normal, request.preset, &ok);
    return ok ? Reply{Answer::Ok, text} : Reply{Answer::Cancel, {}};
}

Reply Ask(QWidget *parent, const Request &request)
{
    if (const Handler &handler = InstalledHandler())
        return handler(parent, request);
    if (!parent)
        parent = QApplication::activeWindow();
    return request.kind == Kind::TextInput ? AskWithInputBox(parent, request) : AskWithMessageBox(parent, request);
}

Answer AskBox(QWidget *parent, Kind kind, const QString &text)
{
    return Ask(parent, Request{kind, text, CaptionOf(kind), {}}).answer;
}

} // namespace

Handler SetHandler(Handler handler)
{
    return std::exchange(InstalledHandler(), std::move(handler));
}

QString CaptionOf(Kind kind)
{
    switch (kind) {
    case Kind::Warning:
    case Kind::WarningOkCancel:
        return QStringLiteral("Warning");
    case Kind::Error:
        return QStringLiteral("Error");
    case Kind::Confirmation:
        return QStringLiteral("Confirm");
    case Kind::Message:
    case Kind::TextInput:
        break;
    }
    return QStringLiteral("Pheltra");
}

void Message(QWidget *parent, const QString &text)
{
    AskBox(parent, Kind::Message, text);
}

void Warning(QWidget *parent, const QString &text)
{
    AskBox(parent, Kind::Warning, text);
}

bool WarningOkCancel(QWidget *parent, const QString &text)
{
    return AskBox(parent, Kind::WarningOkCancel, text) == Answer::Ok;
}

void Error(QWidget *parent, const QString &text)
{
    AskBox(parent, Kind::Error, text);
}

bool Confirm(QWidget *parent, const QString &text)
{
    return AskBox(parent, Kind::Confirmation, text) == Answer::Yes;
}

std::optional<QString> InputText(QWidget *parent, const QString &caption, const QString &prompt, const QString &preset)
{
    const Reply reply = Ask(parent, Request{Kind::TextInput, prompt, caption, preset});
    if (reply.answer != Answer::Ok)
        return std::nullopt;
    return reply.text;
}

} // namespace UserPrompt
