#include "app/datasetup/duplicate_data_dialog.h"

#include "app/kit/num_edit_support.h"
#include "controls/num_edit.h"
#include "controls/system_sound.h"
#include "app/kit/dialog_button.h"
#include "app/kit/center_on_screen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using pheltra::controls::PlaySystemSound;
using pheltra::controls::SystemSound;
using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

TDuplicateDlg::TDuplicateDlg(QWidget *parent)
    : QDialog(parent), numbSetNr(new TNumEdit(this)), setNrConfirmation_(new FieldConfirmation(numbSetNr))
{
    setWindowTitle(QStringLiteral("Duplicate Data"));
    // A title bar without close box: the dialog ends by OK or Cancel.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    numbSetNr->setObjectName(QStringLiteral("numbSetNr"));
    numbSetNr->SetEntryRequired(TNumEditType::wordvalue);
    numbSetNr->SetEntryBlankZero(true);
    numbSetNr->SetDisplayFormat(QStringLiteral("0;-0"));
    numbSetNr->SetMaximum(kLastSet);
    numbSetNr->SetMinimum(kFirstSet);
    numbSetNr->SetValue(0);
    numbSetNr->setFixedWidth(numbSetNr->fontMetrics().horizontalAdvance(QStringLiteral("00000")));

    auto *okBtn = DialogButton(this, "OkBtn", QStringLiteral("OK"), true);
    auto *cancelBtn = DialogButton(this, "CancelBtn", QStringLiteral("Cancel"));
    connect(okBtn, &QPushButton::clicked, this, &QDialog::accept);
    // Escape rejects a QDialog, which is Cancel's answer.
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto *numberRow = new QHBoxLayout;
    numberRow->addWidget(new QLabel(QStringLiteral("set to data set number :"), this));
    numberRow->addWidget(numbSetNr);
    numberRow->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okBtn);
    buttons->addWidget(cancelBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Paste all data from the current data"), this));
    layout->addLayout(numberRow);
    layout->addSpacing(6);
    layout->addWidget(new QLabel(QStringLiteral("Data in that set will be lost!"), this));
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TDuplicateDlg::Execute()
{
    return exec() == QDialog::Accepted;
}

int TDuplicateDlg::SetNumber() const
{
    return setNumber_;
}

void TDuplicateDlg::showEvent(QShowEvent *event)
{
    if (!event->spontaneous()) {
        CenterOnScreen(this);
        ShowFieldValue(numbSetNr, 0.0L);
        setNumber_ = 0;
        setNrConfirmation_->Reset();
        numbSetNr->setFocus();
    }
    QDialog::showEvent(event);
}

void TDuplicateDlg::done(int result)
{
    if (result == QDialog::Accepted) {
        if (!setNrConfirmation_->Passes())
            return;
        const long double number = numbSetNr->Value();
        if (number < kFirstSet || number > kLastSet) {
            numbSetNr->setFocus(Qt::OtherFocusReason);
            numbSetNr->selectAll();
            PlaySystemSound(SystemSound::kBeep);
            return;
        }
        // A word field holds whole numbers only.
        setNumber_ = static_cast<int>(number);
    }
    QDialog::done(result);
}
