#include "app/datasetup/absorber_selection_dialog.h"

#include "absorber/compound_library.h"
#include "absorber/data_set.h"
#include "app/reports/number_format.h"
#include "app/kit/help_system.h"
#include "app/kit/num_edit_support.h"
#include "app/kit/string_grid.h"
#include "app/kit/user_prompt.h"
#include "controls/num_edit.h"
#include "controls/system_sound.h"
#include "gallomir/gallomir.h"
#include "app/kit/dialog_button.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

using pheltra::controls::PlaySystemSound;
using pheltra::controls::SystemSound;
using pheltra::controls::TNumEdit;
using pheltra::controls::TNumEditType;

namespace {

// Significant digits of the shown density and constituent weights.
constexpr int kDensityDigits = 4;
constexpr int kWeightDigits = 7;
// Rows of the composition grid visible without scrolling.
constexpr int kVisibleGridRows = 9;

QLineEdit *ReadOnlyField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

} // namespace

TCmpMixDlg::TCmpMixDlg(QWidget *parent)
    : QDialog(parent),
      CMSelectBox(new QComboBox(this)),
      FormulaEditFld(ReadOnlyField(this)),
      SecNameEditFld(ReadOnlyField(this)),
      SourceEditFld(ReadOnlyField(this)),
      DensityEditFld(ReadOnlyField(this)),
      WeightGrid(new StringGrid(kGridRows + 1, 4, this)),
      numeditWeightFrac(new TNumEdit(this)),
      weightConfirmation_(new FieldConfirmation(numeditWeightFrac)),
      OkBtn(DialogButton(this, "OkBtn", QStringLiteral("Ok"), true)),
      CancelBtn(DialogButton(this, "CancelBtn", QStringLiteral("Cancel"))),
      HelpBtn(DialogButton(this, "HelpBtn", QStringLiteral("Help")))
{
    setWindowTitle(QStringLiteral("Select Elements, Compounds or Mixture"));
    CMSelectBox->setObjectName(QStringLiteral("CMSelectBox"));
    FormulaEditFld->setObjectName(QStringLiteral("FormulaEditFld"));
    SecNameEditFld->setObjectName(QStringLiteral("SecNameEditFld"));
    SourceEditFld->setObjectName(QStringLiteral("SourceEditFld"));
    DensityEditFld->setObjectName(QStringLiteral("DensityEditFld"));
    WeightGrid->setObjectName(QStringLiteral("WeightGrid"));
    numeditWeightFrac->setObjectName(QStringLiteral("numeditWeightFrac"));

    CMSelectBox->setEditable(false);
    CMSelectBox->setMaxVisibleItems(20);
    CMSelectBox->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    CMSelectBox->setMinimumContentsLength(28);

    numeditWeightFrac->SetEntryRequired(TNumEditType::floatingpointvalue);
    numeditWeightFrac->SetEntryBlankZero(true);
    numeditWeightFrac->SetDisplayFormat(QStringLiteral("0.000000;-0.000000"));
    numeditWeightFrac->SetMaximum(TCmpDataSet::kMaxRelWeight);
    numeditWeightFrac->SetValue(0);
    numeditWeightFrac->SetValueChanged(true);

    BuildWeightGrid();

    connect(CMSelectBox, &QComboBox::activated, this, &TCmpMixDlg::CMSelectBoxChange);
    connect(OkBtn, &QPushButton::clicked, this, &TCmpMixDlg::OkBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TCmpMixDlg::reject);
    connect(HelpBtn, &QPushButton::clicked, this, &TCmpMixDlg::HelpBtnClick);

    auto *fields = new QGridLayout;
    const auto addRow = [this, fields](const char *caption, const char *name, QWidget *field) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setBuddy(field);
        const int row = fields->rowCount();
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
    };
    addRow("Element/Compound/Mixture:", "NameLbl", CMSelectBox);
    addRow("Formula:", "FormulaLbl", FormulaEditFld);
    addRow("Second Name:", "SecNameLbl", SecNameEditFld);
    addRow("Source:", "SourceLbl", SourceEditFld);
    addRow("Density (g/cm\u00B3):", "DensityLbl", DensityEditFld);
    fields->setColumnStretch(1, 1);

    auto *compLbl = new QLabel(QStringLiteral("Atomic composition:"), this);
    compLbl->setObjectName(QStringLiteral("CompLbl"));

    auto *lblWeigthFrac = new QLabel(QStringLiteral("Rel. weight:"), this);
    lblWeigthFrac->setObjectName(QStringLiteral("lblWeigthFrac"));
    lblWeigthFrac->setBuddy(numeditWeightFrac);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblWeigthFrac);
    bottom->addWidget(numeditWeightFrac);
    bottom->addStretch();
    bottom->addWidget(OkBtn);
    bottom->addWidget(CancelBtn);
    bottom->addWidget(HelpBtn);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(4);
    layout->addWidget(compLbl);
    layout->addWidget(WeightGrid, 1);
    layout->addLayout(bottom);
}

void TCmpMixDlg::BuildWeightGrid()
{
    WeightGrid->SetHeaders(
        {QStringLiteral("#"), QStringLiteral("Z"), QStringLiteral("Symbol"), QStringLiteral("Weight fraction")});
    WeightGrid->NumberRows();

    const QFont header = WeightGrid->HeaderFont();
    const QFont number = WeightGrid->NumberFont();
    WeightGrid->SetLook([header, number](int row, int column, bool) {
        StringGrid::CellLook look;
        look.font = row == 0 || column == 0 ? header : number;
        look.alignment = Qt::AlignLeft;
        return look;
    });
    WeightGrid->FitColumnTo(0, number, QStringLiteral("14:"));
    WeightGrid->FitColumnTo(1, number, QStringLiteral("22 "));
    WeightGrid->FitColumnTo(2, number, QStringLiteral("MMMMMMM"));
    WeightGrid->SetFillColumn(3, 4);
    WeightGrid->setMinimumHeight(WeightGrid->rowHeight(0) * (kVisibleGridRows + 1) + 2 * WeightGrid->frameWidth());
    WeightGrid->setFocusPolicy(Qt::NoFocus);
}

bool TCmpMixDlg::Execute()
{
    WeightGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    if (!library_) {
        UserPrompt::Message(parentWidget(), QStringLiteral("Compound list not available!"));
        absorberName_.clear();
        relWeight_ = 0.0L;
        compound_.Clear();
        return false;
    }
    CMSelectBox->clear();
    for (const CompoundLibrary::Entry &entry : library_->Entries())
        CMSelectBox->addItem(entry.name);
    return exec() == QDialog::Accepted;
}

void TCmpMixDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TCmpMixDlg::FormShow()
{
    // The list's own search: the first name equal but for case.
    const int index = absorberName_.isEmpty() ? -1 : CMSelectBox->findText(absorberName_, Qt::MatchFixedString);
    CMSelectBox->setCurrentIndex(index);
    CMPasteData();
    ShowFieldValue(numeditWeightFrac, relWeight_);
    weightConfirmation_->Reset();
    CMSelectBox->setFocus();
    WeightGrid->scrollToTop();
}

void TCmpMixDlg::CMPasteData()
{
    const int index = CMSelectBox->currentIndex();
    if (!library_ || index < 0 || index >= library_->Count()) {
        FormulaEditFld->clear();
        SecNameEditFld->clear();
        SourceEditFld->clear();
        DensityEditFld->clear();
        ShowFieldValue(numeditWeightFrac, 0.0L);
        for (int row = 1; row <= kGridRows; ++row)
            WeightGrid->ClearRow(row);
        return;
    }
    const TCompound &compound = library_->Compound(index);
    FormulaEditFld->setText(compound.Formula);
    SecNameEditFld->setText(compound.SecondName);
    SourceEditFld->setText(compound.Source);
    DensityEditFld->setText(compound.Density > 0.0f ? FormatScientific(compound.Density, kDensityDigits, 2, QLocale())
                                                    : QString());
    FormulaEditFld->setCursorPosition(0);
    SecNameEditFld->setCursorPosition(0);
    SourceEditFld->setCursorPosition(0);
    // Every slot is shown, also those after an empty one that computations
    // never reach: the user sees the library line as it stands.
    for (int slot = 0; slot < TCompound::kSlotCount; ++slot) {
        const int row = slot + 1;
        const std::int32_t z = compound.Z[static_cast<std::size_t>(slot)];
        const float weight = compound.Weight[static_cast<std::size_t>(slot)];
        WeightGrid->SetCell(row, 1, z >= 1 ? QString::number(z) : QString());
        WeightGrid->SetCell(row, 2, z >= 1 ? QString::fromUtf8(GetElementSymbol(z)) : QString());
        WeightGrid->SetCell(row, 3, weight > 0.0f ? FormatGeneral(weight, kWeightDigits, QLocale()) : QString());
    }
}

void TCmpMixDlg::CMSelectBoxChange(int index)
{
    CMPasteData();
    if (!library_ || index < 0 || index >= library_->Count())
        return;
    absorberName_ = library_->Name(index);
    compound_.CopyFrom(library_->Compound(index));
    numeditWeightFrac->setFocus(Qt::OtherFocusReason);
    numeditWeightFrac->selectAll();
}

void TCmpMixDlg::OkBtnClick()
{
    if (CMSelectBox->currentIndex() < 0) {
        PlaySystemSound(SystemSound::kBeep);
        ShowFieldValue(numeditWeightFrac, 0.0L);
        CMSelectBox->setFocus();
        return;
    }
    // A weight the field itself refuses (above kMaxRelWeight) is never taken,
    // also when Return confirms without leaving the field.
    if (!weightConfirmation_->Passes())
        return;
    const long double weight = numeditWeightFrac->Value();
    // A weight so small that the composition could not hold it is refused
    // like zero.
    if (weight >= TCmpDataSet::kMinRelWeight) {
        relWeight_ = weight;
        accept();
        return;
    }
    PlaySystemSound(SystemSound::kBeep);
    ShowFieldValue(numeditWeightFrac, 0.0L);
    numeditWeightFrac->setFocus(Qt::OtherFocusReason);
    numeditWeightFrac->selectAll();
}

void TCmpMixDlg::HelpBtnClick()
{
    Help::ShowTopic(this, QString::fromLatin1(Help::kTopicAbsorberSelection));
}

void TCmpMixDlg::reject()
{
    // Cancel, Escape and the close box alike leave nothing picked behind.
    ClearSelection();
    QDialog::reject();
}

void TCmpMixDlg::ClearSelection()
{
    CMSelectBox->setCurrentIndex(-1);
    absorberName_.clear();
    relWeight_ = 0.0L;
    compound_.Clear();
}

void TCmpMixDlg::done(int result)
{
    QDialog::done(result);
    // Refilled from the library at the next Execute.
    CMSelectBox->clear();
}
