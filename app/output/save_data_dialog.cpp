#include "app/output/save_data_dialog.h"

#include "app/kit/center_on_screen.h"
#include "app/kit/help_system.h"
#include "app/kit/num_edit_support.h"
#include "app/kit/user_prompt.h"
#include "controls/num_edit.h"
#include "controls/system_sound.h"
#include "app/kit/dialog_button.h"
#include "app/kit/named_widget.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>

using pheltra::controls::TNumEdit;

namespace {

TNumEdit *EnergyField(const char *name, QWidget *parent)
{
    auto *field = Named(new TNumEdit(parent), QString::fromLatin1(name));
    field->SetEntryRequired(pheltra::controls::TNumEditType::floatingpointvalue);
    field->SetEntryBlankZero(false);
    field->SetDisplayFormat(QStringLiteral("0.00;-0.00"));
    field->SetMaximum(pheltra::controls::kNoUpperBound);
    field->SetMinimum(pheltra::controls::kNoLowerBound);
    return field;
}

void Refuse(TNumEdit *field)
{
    field->setFocus(Qt::OtherFocusReason);
    pheltra::controls::PlaySystemSound(pheltra::controls::SystemSound::kBeep);
}

} // namespace

TMRSaveDlg::TMRSaveDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("MRSaveDlg"));
    BuildControls();
    LoadControls();
}

void TMRSaveDlg::BuildControls()
{
    QFont titleFont = font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 17.0 / 13.0);
    lblTitle = Named(new QLabel(this), QStringLiteral("lblTitle"));
    lblTitle->setFont(titleFont);

    grpAbsorbers = Named(new QGroupBox(QStringLiteral(" Absorbers "), this), QStringLiteral("grpAbsorbers"));
    auto *absorbers = new QVBoxLayout(grpAbsorbers);
    for (int i = 0; i < DataSets::kCount; ++i) {
        QCheckBox *box = new QCheckBox(QStringLiteral("# %1").arg(i + 1), grpAbsorbers);
        cbAbsorber[static_cast<std::size_t>(i)] = Named(box, QStringLiteral("cbAbsorber%1").arg(i + 1));
        absorbers->addWidget(box);
    }
    btnSelectAll = DialogButton(grpAbsorbers, "btnSelectAll", QStringLiteral("select all"));
    absorbers->addWidget(btnSelectAll);

    grpData = Named(new QGroupBox(QStringLiteral(" Data "), this), QStringLiteral("grpData"));
    cbAbsData = Named(new QCheckBox(QStringLiteral("absorber composition"), grpData), QStringLiteral("cbAbsData"));
    cbCoeffData =
        Named(new QCheckBox(QStringLiteral("absorption coefficients"), grpData), QStringLiteral("cbCoeffData"));
    lblEnergyGrid =
        Named(new QLabel(QStringLiteral("Energy grid (units keV):"), grpData), QStringLiteral("lblEnergyGrid"));
    numeditFrom = EnergyField("numeditFrom", grpData);
    numeditTo = EnergyField("numeditTo", grpData);
    numeditIntv = EnergyField("numeditIntv", grpData);
    lblFrom = Named(new QLabel(QStringLiteral("From: "), grpData), QStringLiteral("lblFrom"));
    lblTo = Named(new QLabel(QStringLiteral("To: "), grpData), QStringLiteral("lblTo"));
    lblIntv = Named(new QLabel(QStringLiteral("Interval: "), grpData), QStringLiteral("lblIntv"));
    lblFrom->setBuddy(numeditFrom);
    lblTo->setBuddy(numeditTo);
    lblIntv->setBuddy(numeditIntv);

    auto *dataGrid = new QGridLayout(grpData);
    dataGrid->addWidget(cbAbsData, 0, 0, 1, 2);
    dataGrid->addWidget(cbCoeffData, 1, 0, 1, 2);
    dataGrid->setRowMinimumHeight(2, 8);
    dataGrid->addWidget(lblEnergyGrid, 3, 0, 1, 2);
    dataGrid->addWidget(lblFrom, 4, 0, Qt::AlignRight);
    dataGrid->addWidget(numeditFrom, 4, 1);
    dataGrid->addWidget(lblTo, 5, 0, Qt::AlignRight);
    dataGrid->addWidget(numeditTo, 5, 1);
    dataGrid->addWidget(lblIntv, 6, 0, Qt::AlignRight);
    dataGrid->addWidget(numeditIntv, 6, 1);
    dataGrid->setRowStretch(7, 1);

    btnAction = DialogButton(this, "btnAction", QString());
    btnAction->setDefault(true);
    btnCancel = DialogButton(this, "btnCancel", QStringLiteral("Cancel"));
    btnHelp = DialogButton(this, "btnHelp", QStringLiteral("Help"));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(btnAction);
    buttons->addWidget(btnCancel);
    buttons->addWidget(btnHelp);
    buttons->addStretch();

    auto *groups = new QHBoxLayout;
    groups->addWidget(grpAbsorbers);
    groups->addWidget(grpData, 1);
    groups->addLayout(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblTitle);
    layout->addLayout(groups);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setMinimumSize(468, 271);

    connect(btnSelectAll, &QPushButton::clicked, this, &TMRSaveDlg::btnSelectAllClick);
    connect(cbCoeffData, &QCheckBox::toggled, this, &TMRSaveDlg::cbCoeffDataClick);
    connect(btnAction, &QPushButton::clicked, this, &TMRSaveDlg::btnActionClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnHelp, &QPushButton::clicked, this,
            [this] { Help::ShowTopic(this, QString::fromLatin1(Help::kTopicPrintSave)); });
}

bool TMRSaveDlg::Execute(Form form)
{
    const bool saving = form == Form::Save;
    setWindowTitle(saving ? QStringLiteral("Save Data Dialog") : QStringLiteral("Print Data Dialog"));
    lblTitle->setText(saving ? QStringLiteral("Selection of data to be saved:")
                             : QStringLiteral("Selection of data to be printed:"));
    btnAction->setText(saving ? QStringLiteral("Save") : QStringLiteral("Print"));
    LoadControls();
    return exec() == QDialog::Accepted;
}

void TMRSaveDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    CenterOnScreen(this);
}

void TMRSaveDlg::LoadControls()
{
    for (std::size_t i = 0; i < cbAbsorber.size(); ++i)
        cbAbsorber[i]->setChecked(selection_.dataSets[i]);
    cbAbsData->setChecked(selection_.absorberComposition);
    cbCoeffData->setChecked(selection_.absorptionCoefficients);
    ShowFieldValue(numeditFrom, selection_.from);
    ShowFieldValue(numeditTo, selection_.to);
    ShowFieldValue(numeditIntv, selection_.interval);
    cbCoeffDataClick();
}

void TMRSaveDlg::TakeSelection()
{
    for (std::size_t i = 0; i < cbAbsorber.size(); ++i)
        selection_.dataSets[i] = cbAbsorber[i]->isChecked();
    selection_.absorberComposition = cbAbsData->isChecked();
    selection_.absorptionCoefficients = cbCoeffData->isChecked();
    // The checks have just shown each value as it is taken.
    selection_.from = static_cast<float>(numeditFrom->Value());
    selection_.to = static_cast<float>(numeditTo->Value());
    selection_.interval = static_cast<float>(numeditIntv->Value());
}

void TMRSaveDlg::btnSelectAllClick()
{
    for (QCheckBox *box : cbAbsorber)
        box->setChecked(true);
}

void TMRSaveDlg::cbCoeffDataClick()
{
    const bool grid = cbCoeffData->isChecked();
    for (QWidget *control :
         {static_cast<QWidget *>(lblEnergyGrid), static_cast<QWidget *>(lblFrom), static_cast<QWidget *>(numeditFrom),
          static_cast<QWidget *>(lblTo), static_cast<QWidget *>(numeditTo), static_cast<QWidget *>(lblIntv),
          static_cast<QWidget *>(numeditIntv)})
        control->setEnabled(grid);
}

void TMRSaveDlg::btnActionClick()
{
    // Every check runs, also after one failed, so the user learns of all
    // faults at once; any failure keeps the dialog open.
    bool passed = true;
    if (std::none_of(cbAbsorber.begin(), cbAbsorber.end(), [](QCheckBox *box) { return box->isChecked(); })) {
        UserPrompt::Warning(this, QStringLiteral("No absorber selected!"));
        passed = false;
    }
    if (!cbAbsData->isChecked() && !cbCoeffData->isChecked()) {
        UserPrompt::Warning(this, QStringLiteral("No data (composition and/or coefficients) selected!"));
        passed = false;
    }
    passed = CheckEnergyBound(numeditFrom) && passed;
    passed = CheckEnergyBound(numeditTo) && passed;
    passed = CheckInterval() && passed;
    passed = CheckPointCount() && passed;
    if (passed) {
        TakeSelection();
        accept();
    }
}

// The fields take any number; a text that is none leaves the number the
// field held (with the information sound), and each check shows the value
// it took, so what the dialog goes on with is what the user sees.
bool TMRSaveDlg::CheckEnergyBound(TNumEdit *field)
{
    const long double value = RoundToHundredths(field->Value());
    long double taken = value;
    if (value < kReportMinEnergy)
        taken = kReportMinEnergy;
    else if (value > kReportMaxEnergy)
        taken = kReportMaxEnergy;
    ShowFieldValue(field, taken);
    if (taken == value)
        return true;
    Refuse(field);
    return false;
}

bool TMRSaveDlg::CheckInterval()
{
    const long double minimum = RoundToHundredths(kReportMinInterval);
    const long double value = RoundToHundredths(numeditIntv->Value());
    // The interval is held in 32 bits: one beyond their range would become
    // infinite, so it is refused as it stands.
    const bool representable = value <= static_cast<long double>(std::numeric_limits<float>::max());
    const bool fits = !(value < minimum) && representable;
    ShowFieldValue(numeditIntv, !(value < minimum) ? value : minimum);
    if (!fits)
        Refuse(numeditIntv);
    return fits;
}

bool TMRSaveDlg::CheckPointCount()
{
    const int count = ReportPointCount(numeditFrom->Value(), numeditTo->Value(), numeditIntv->Value());
    if (count >= 1 && count <= kReportPointsWithoutQuestion)
        return true;
    return UserPrompt::WarningOkCancel(this,
                                       QString::number(count) + QStringLiteral(" data points selected ! Continue ?"));
}
