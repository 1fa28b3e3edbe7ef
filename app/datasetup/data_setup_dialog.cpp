#include "app/datasetup/data_setup_dialog.h"

#include "absorber/compound_library.h"
#include "app/datasetup/absorber_selection_dialog.h"
#include "app/datasetup/color_swatch.h"
#include "app/reports/number_format.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/help_system.h"
#include "app/kit/num_edit_support.h"
#include "app/kit/string_grid.h"
#include "app/kit/user_prompt.h"
#include "controls/num_edit.h"
#include "gallomir/gallomir.h"

#include <QColorDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Significant digits of relative weights and weight fractions, of the three
// derived figures in exponent format, and decimals of the effective Z.
constexpr int kGeneralDigits = 6;
constexpr int kExponentDigits = 3;
constexpr int kEffectiveZPrecision = 4;
constexpr int kEffectiveZDecimals = 2;

const QString kNoValue = QStringLiteral("--");

QString DerivedText(long double value)
{
    return value > 0.0L ? FormatScientific(value, kExponentDigits, 2, QLocale()) : kNoValue;
}

QColor ToQColor(LineColorValue color)
{
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

LineColorValue FromQColor(const QColor &color)
{
    return RgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

// A line width read from the field, which refuses anything outside the
// 16-bit range; kept within 32 bits whatever text reached it.
std::int32_t LineWidthOf(long double value)
{
    constexpr auto low = static_cast<long double>(std::numeric_limits<std::int32_t>::min());
    constexpr auto high = static_cast<long double>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::lround(std::clamp(value, low, high)));
}

} // namespace

TMRDataDlg::TMRDataDlg(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, TDuplicateDlg &duplicateDialog,
                       QWidget *parent)
    : QDialog(parent), library_(library), absorberDialog_(absorberDialog), duplicateDialog_(duplicateDialog)
{
    BuildControls();
    BuildGrids();
    linewidthConfirmation_ = new FieldConfirmation(numeditLinewidth);

    SetComboItems(comboCoeffType, CoeffTypeNames(kDataSourceH));
    SetComboItems(comboDataSource, DataSourceTexts());
    SetComboItems(comboLinepattern,
                  {QStringLiteral("solid"), QStringLiteral("dash"), QStringLiteral("dot"), QStringLiteral("dash-dot"),
                   QStringLiteral("dash-dot-dot")});
    comboCoeffType->setMinimumContentsLength(static_cast<int>(QStringLiteral("energy absorption-Compton").size()));
    comboCoeffType->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (TCmpDataSet &set : working_)
        set.Clear();

    connect(dataTabControl, &QTabBar::currentChanged, this, &TMRDataDlg::dataTabControlChanged);
    connect(comboDataSource, &QComboBox::currentIndexChanged, this, &TMRDataDlg::comboDataSourceChange);
    connect(btnAddAbsorber, &QPushButton::clicked, this, &TMRDataDlg::btnAddCompoundClick);
    connect(btnEditAbsorber, &QPushButton::clicked, this, &TMRDataDlg::btnEditCompoundClick);
    connect(btnDeleteAbsorber, &QPushButton::clicked, this, &TMRDataDlg::btnDeleteCompoundClick);
    connect(CompoundGrid, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { CompoundGridDblClick(row); });
    connect(btnColor, &QPushButton::clicked, this, &TMRDataDlg::btnColorClick);
    connect(editColor, &ColorSwatch::doubleClicked, this, &TMRDataDlg::btnColorClick);
    connect(btnCopyData, &QPushButton::clicked, this, &TMRDataDlg::btnCopyDataClick);
    connect(btnOk, &QPushButton::clicked, this, &TMRDataDlg::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &TMRDataDlg::reject);
    connect(btnHelp, &QPushButton::clicked, this, &TMRDataDlg::btnHelpClick);

    SelectSlotRow(0);
    dataTabControlChange();
}

const TCmpDataSet &TMRDataDlg::WorkingSet(int index) const
{
    return working_.at(static_cast<std::size_t>(index));
}

void TMRDataDlg::SetComboItems(QComboBox *combo, const QStringList &items)
{
    const QSignalBlocker quiet(combo);
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(0);
}

bool TMRDataDlg::Execute(DataSets &dataSets)
{
    for (int i = 0; i < DataSets::kCount; ++i)
        working_[static_cast<std::size_t>(i)].CopyFrom(dataSets[i]);
    dataTabControlChange();
    linewidthConfirmation_->Reset();
    if (exec() != QDialog::Accepted)
        return false;
    SaveCurrentData();
    for (int i = 0; i < DataSets::kCount; ++i)
        dataSets[i].CopyFrom(working_[static_cast<std::size_t>(i)]);
    return dataSets.AnyInUse();
}

void TMRDataDlg::dataTabControlChanged(int index)
{
    if (index == currentTab_)
        return;
    // A line width the field refuses keeps its data set on screen.
    if (numeditLinewidth->ExitCheck() != 0) {
        const QSignalBlocker quiet(dataTabControl);
        dataTabControl->setCurrentIndex(currentTab_);
        return;
    }
    SaveCurrentData();
    currentTab_ = index;
    dataTabControlChange();
}

void TMRDataDlg::dataTabControlChange()
{
    {
        const QSignalBlocker quiet(dataTabControl);
        dataTabControl->setCurrentIndex(currentTab_);
    }
    const TCmpDataSet &set = Current();
    {
        const QSignalBlocker quiet(comboDataSource);
        comboDataSource->setCurrentIndex(set.DataSource);
    }
    comboDataSourceChange();
    // A type the source does not offer shows as "(none)".
    const int source = comboDataSource->currentIndex();
    comboCoeffType->setCurrentIndex(CoeffTypeListPosition(source, CoeffTypeUnderSource(source, set.CoeffType)));
    editColor->SetColor(ToQColor(set.LineColor));
    ShowFieldValue(numeditLinewidth, set.LineWidth);
    comboLinepattern->setCurrentIndex(set.LinePattern);
    editLegend->setText(set.Legend);
    editLegend->setCursorPosition(0);
    UpdateCompoundGrid();
}

void TMRDataDlg::SaveCurrentData()
{
    TCmpDataSet &set = Current();
    const int source = comboDataSource->currentIndex();
    set.DataSource = static_cast<std::uint8_t>(source);
    set.CoeffType = static_cast<std::int8_t>(CoeffTypeAtListPosition(source, comboCoeffType->currentIndex()));
    set.LineColor = FromQColor(editColor->Color());
    set.LineWidth = LineWidthOf(numeditLinewidth->Value());
    set.LinePattern = static_cast<std::uint8_t>(comboLinepattern->currentIndex());
    set.SetLegend(editLegend->text());
}

void TMRDataDlg::comboDataSourceChange()
{
    // The type shown moves to the new source's list, as a data set changing
    // its source keeps it.
    const int type = CoeffTypeAtListPosition(typeListSource_, comboCoeffType->currentIndex());
    typeListSource_ = comboDataSource->currentIndex();
    SetComboItems(comboCoeffType, CoeffTypeNames(typeListSource_));
    comboCoeffType->setCurrentIndex(
        CoeffTypeListPosition(typeListSource_, CoeffTypeUnderSource(typeListSource_, type)));
}

int TMRDataDlg::SelectedSlot() const
{
    return std::clamp(CompoundGrid->currentRow(), 1, kSlots) - 1;
}

void TMRDataDlg::SelectSlotRow(int slot)
{
    CompoundGrid->setCurrentCell(slot + 1, 1);
}

bool TMRDataDlg::SelectAbsorber(int slot)
{
    TCmpDataSet &set = Current();
    const auto s = static_cast<std::size_t>(slot);
    absorberDialog_.SetLibrary(&library_);
    absorberDialog_.SetAbsorberName(set.AbsorberName[s]);
    absorberDialog_.SetRelWeight(set.RelWeight[s]);
    const bool picked = absorberDialog_.Execute();
    // A user material edited or deleted in the selection dialog changes
    // every data set that holds it.
    for (TCmpDataSet &each : working_)
        each.UpdateComposition(library_);
    if (!picked)
        return false;
    set.SetAbsorber(slot, absorberDialog_.AbsorberName(), absorberDialog_.RelWeight());
    return true;
}

void TMRDataDlg::btnAddCompoundClick()
{
    const int slot = Current().FirstEmptySlot();
    if (slot < 0) {
        UserPrompt::Message(this, QStringLiteral("Number of absorber materials limited to %1!").arg(kSlots));
        return;
    }
    // The first absorber of a data set without a legend names the curve; the
    // user may type another.
    if (SelectAbsorber(slot) && slot == 0 && editLegend->text().trimmed().isEmpty()) {
        editLegend->setText(absorberDialog_.AbsorberName());
        editLegend->setCursorPosition(0);
    }
    UpdateCompoundGrid();
    SelectSlotRow(slot);
}

void TMRDataDlg::btnEditCompoundClick()
{
    const int slot = SelectedSlot();
    if (Current().AbsorberName[static_cast<std::size_t>(slot)].isEmpty())
        return;
    SelectAbsorber(slot);
    UpdateCompoundGrid();
}

void TMRDataDlg::btnDeleteCompoundClick()
{
    if (Current().DeleteAbsorber(SelectedSlot()))
        UpdateCompoundGrid();
}

void TMRDataDlg::CompoundGridDblClick(int row)
{
    if (row < 1)
        return;
    if (Current().AbsorberName[static_cast<std::size_t>(row - 1)].isEmpty())
        btnAddCompoundClick();
    else
        btnEditCompoundClick();
}

void TMRDataDlg::UpdateCompoundGrid()
{
    for (QLineEdit *field : {editElDensity, editDensity, editElPerCCM, editEffZ})
        field->clear();
    btnCopyData->setEnabled(false);

    TCmpDataSet &set = Current();
    for (std::size_t slot = 0; slot < set.AbsorberName.size(); ++slot) {
        const int row = static_cast<int>(slot) + 1;
        if (set.AbsorberName[slot].isEmpty()) {
            CompoundGrid->ClearRow(row);
            continue;
        }
        btnCopyData->setEnabled(true);
        CompoundGrid->SetCell(row, 1, set.AbsorberName[slot]);
        CompoundGrid->SetCell(row, 2, FormatGeneral(set.RelWeight[slot], kGeneralDigits, QLocale()));
    }

    set.UpdateComposition(library_);
    ShowElementRows();
    editElDensity->setText(DerivedText(set.ElectronsPerGram));
    editDensity->setText(DerivedText(set.Density));
    editElPerCCM->setText(DerivedText(set.ElectronsPerCm3));
    editEffZ->setText(FormatFixed(set.EffectiveZ, kEffectiveZPrecision, kEffectiveZDecimals, QLocale()));
}

void TMRDataDlg::ShowElementRows()
{
    for (int row = 1; row < ElementWeightGrid->rowCount(); ++row)
        ElementWeightGrid->ClearRow(row);
    const TCmpDataSet &set = Current();
    int row = 0;
    for (int z = 1; z <= kElementCount; ++z) {
        const double fraction = set.ElementWeight[static_cast<std::size_t>(z)];
        if (!(fraction > 0.0))
            continue;
        ++row;
        if (row >= ElementWeightGrid->rowCount())
            ElementWeightGrid->SetCell(ElementWeightGrid->AppendRows(1), 0, QStringLiteral("%1: ").arg(row));
        ElementWeightGrid->SetCell(row, 1, QString::number(z));
        ElementWeightGrid->SetCell(
            row, 2,
            QStringLiteral("%1  (%2)")
                .arg(QString::fromUtf8(GetElementSymbol(z)), QString::fromUtf8(GetElementName(z))));
        ElementWeightGrid->SetCell(row, 3, FormatGeneral(fraction, kGeneralDigits, QLocale()));
    }
}

void TMRDataDlg::btnColorClick()
{
    LineColorDialog->setCurrentColor(editColor->Color());
    if (LineColorDialog->exec() == QDialog::Accepted)
        editColor->SetColor(LineColorDialog->selectedColor());
}

void TMRDataDlg::btnCopyDataClick()
{
    // The line width is stored with the rest: a width the field refuses is
    // never copied.
    if (!linewidthConfirmation_->Passes())
        return;
    if (!duplicateDialog_.Execute())
        return;
    SaveCurrentData();
    const int target = duplicateDialog_.SetNumber() - 1;
    if (target < 0 || target >= DataSets::kCount || target == currentTab_)
        return;
    working_[static_cast<std::size_t>(target)].CopyWithoutLineStyle(Current());
    currentTab_ = target;
    dataTabControlChange();
}

void TMRDataDlg::btnOkClick()
{
    if (!linewidthConfirmation_->Passes())
        return;
    accept();
}

void TMRDataDlg::btnHelpClick()
{
    Help::ShowTopic(this, QString::fromLatin1(Help::kTopicDataSetup));
}
