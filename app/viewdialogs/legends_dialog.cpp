#include "app/viewdialogs/legends_dialog.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace {

// Room for a legend of some forty characters before the field scrolls.
constexpr int kFieldCharacters = 40;

} // namespace

TLegendsDlg::TLegendsDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("LegendsDlg"));
    setWindowTitle(QStringLiteral("Edit Graph Legends"));

    auto *fields = new QFormLayout;
    for (int i = 0; i < DataSets::kCount; ++i) {
        QLineEdit *edit = new QLineEdit(this);
        edit->setObjectName(QStringLiteral("editLegend%1").arg(i + 1));
        edit->setMinimumWidth(edit->fontMetrics().averageCharWidth() * kFieldCharacters);
        fields->addRow(QStringLiteral("Legend %1:").arg(i + 1), edit);
        editLegend[static_cast<std::size_t>(i)] = edit;
    }

    btnOk = DialogButton(this, "btnOk", QStringLiteral("OK"), true);
    btnCancel = DialogButton(this, "btnCancel", QStringLiteral("Cancel"));
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    // Escape rejects a QDialog, which is Cancel's answer.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TLegendsDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CenterOnScreen(this);
}

bool TLegendsDlg::Execute(DataSets &sets)
{
    for (int i = 0; i < DataSets::kCount; ++i) {
        QLineEdit *edit = editLegend[static_cast<std::size_t>(i)];
        edit->setText(sets[i].Legend);
        edit->setCursorPosition(0);
    }
    editLegend[0]->setFocus(Qt::OtherFocusReason);
    editLegend[0]->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    for (int i = 0; i < DataSets::kCount; ++i)
        sets[i].Legend = StoredLegend(editLegend[static_cast<std::size_t>(i)]->text());
    return true;
}
