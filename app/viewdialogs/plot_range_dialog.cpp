#include "app/viewdialogs/plot_range_dialog.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/dialog_button.h"
#include "app/kit/num_edit_support.h"
#include "controls/num_edit.h"
#include "controls/numeric_text.h"
#include "controls/system_sound.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using pheltra::controls::FitsInDouble;
using pheltra::controls::PlaySystemSound;
using pheltra::controls::SystemSound;
using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

// Lower bounds just above zero: the exit check lets any positive number
// pass and refuses 0 and below.
constexpr long double kMinEnergyLowest = 1.04E-4931L;
constexpr long double kMaxEnergyLowest = 1E-4930L;

TNumEdit *EnergyField(QWidget *parent, const char *name, long double lowest)
{
    auto *field = new TNumEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->SetEntryRequired(TNumEditType::floatingpointvalue);
    field->SetEntryBlankZero(false);
    field->SetDisplayFormat(QStringLiteral("0.00;-0.00"));
    field->SetMaximum(pheltra::controls::kNoUpperBound);
    field->SetMinimum(lowest);
    field->SetValue(0.0L);
    return field;
}

} // namespace

TPlotRangeDlg::TPlotRangeDlg(TPlotRange &range, QWidget *parent) : QDialog(parent), range_(range)
{
    setObjectName(QStringLiteral("PlotRangeDlg"));
    setWindowTitle(QStringLiteral("Plot Range"));

    auto *heading = new QLabel(QStringLiteral("Enter range for energy scale:"), this);
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);

    numeditMinEnergy = EnergyField(this, "numeditMinEnergy", kMinEnergyLowest);
    numeditMaxEnergy = EnergyField(this, "numeditMaxEnergy", kMaxEnergyLowest);

    btnOk = DialogButton(this, "btnOk", QStringLiteral("Ok"), true);
    btnCancel = DialogButton(this, "btnCancel", QStringLiteral("Cancel"));
    btnFullScale = DialogButton(this, "btnFullScale", QStringLiteral("Full scale"));
    connect(btnOk, &QPushButton::clicked, this, &TPlotRangeDlg::btnOkClick);
    // Escape rejects a QDialog, which is Cancel's answer.
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnFullScale, &QPushButton::clicked, this, &TPlotRangeDlg::btnFullScaleClick);

    auto *fields = new QFormLayout;
    fields->addRow(QStringLiteral("Minimum (keV):"), numeditMinEnergy);
    fields->addRow(QStringLiteral("Maximum (keV):"), numeditMaxEnergy);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnOk);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnFullScale);
    buttons->addStretch();

    auto *body = new QVBoxLayout;
    body->addWidget(heading);
    body->addLayout(fields);
    body->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(body);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TPlotRangeDlg::Execute()
{
    ShowFieldValue(numeditMinEnergy, range_.Min);
    ShowFieldValue(numeditMaxEnergy, range_.Max);
    numeditMinEnergy->setFocus(Qt::OtherFocusReason);
    if (exec() != QDialog::Accepted)
        return false;
    range_.Min = static_cast<double>(numeditMinEnergy->Value());
    range_.Max = static_cast<double>(numeditMaxEnergy->Value());
    return true;
}

void TPlotRangeDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        CenterOnScreen(this);
}

void TPlotRangeDlg::btnOkClick()
{
    // A number beyond what the graph can hold (1E400 would become infinite)
    // cannot be corrected into a range: refused like any other entry the
    // field does not take, also when Return confirms without leaving it.
    for (TNumEdit *field : {numeditMinEnergy, numeditMaxEnergy}) {
        if (!FitsInDouble(field->Value())) {
            PlaySystemSound(SystemSound::kBeep);
            field->setFocus(Qt::OtherFocusReason);
            field->selectAll();
            return;
        }
    }
    long double minimum = numeditMinEnergy->Value();
    long double maximum = numeditMaxEnergy->Value();
    bool corrected = false;
    auto correct = [&corrected](long double &value, long double to) {
        value = to;
        corrected = true;
    };
    if (!(minimum > 0.0L))
        correct(minimum, TPlotRange::kFullMin);
    if (!(maximum > 0.0L))
        correct(maximum, TPlotRange::kFullMax);
    if (!(maximum >= 2.0L * minimum))
        correct(maximum, 2.0L * minimum);
    if (minimum > maximum / 2.0L)
        correct(minimum, maximum / 2.0L);
    if (!corrected) {
        accept();
        return;
    }
    ShowFieldValue(numeditMinEnergy, minimum);
    ShowFieldValue(numeditMaxEnergy, maximum);
}

void TPlotRangeDlg::btnFullScaleClick()
{
    ShowFieldValue(numeditMinEnergy, TPlotRange::kFullMin);
    ShowFieldValue(numeditMaxEnergy, TPlotRange::kFullMax);
}
