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
#include "app/datasetup/user_material_dialog.h"
#include "app/datasetup/user_materials.h"

#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTreeView>
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
// Entries a Page Up or Page Down in the search field moves over.
constexpr int kSearchPageStep = 10;
// The library position a list entry stands for.
constexpr int kEntryRole = Qt::UserRole + 1;

QLineEdit *ReadOnlyField(QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    field->setReadOnly(true);
    return field;
}

} // namespace

TCmpMixDlg::TCmpMixDlg(QWidget *parent)
    : QDialog(parent),
      editSearch(new QLineEdit(this)),
      CMSelectBox(new QComboBox(this)),
      GroupEditFld(ReadOnlyField(this)),
      FormulaEditFld(ReadOnlyField(this)),
      SecNameEditFld(ReadOnlyField(this)),
      SourceEditFld(ReadOnlyField(this)),
      DensityEditFld(ReadOnlyField(this)),
      WeightGrid(new StringGrid(kGridRows + 1, 4, this)),
      numeditWeightFrac(new TNumEdit(this)),
      weightConfirmation_(new FieldConfirmation(numeditWeightFrac)),
      OkBtn(DialogButton(this, "OkBtn", QStringLiteral("Ok"), true)),
      CancelBtn(DialogButton(this, "CancelBtn", QStringLiteral("Cancel"))),
      HelpBtn(DialogButton(this, "HelpBtn", QStringLiteral("Help"))),
      btnNewMaterial(DialogButton(this, "btnNewMaterial", QStringLiteral("&New..."))),
      btnEditMaterial(DialogButton(this, "btnEditMaterial", QStringLiteral("&Edit..."))),
      btnDeleteMaterial(DialogButton(this, "btnDeleteMaterial", QStringLiteral("&Delete"))),
      materialDialog_(new TUserMaterialDlg(this))
{
    setWindowTitle(QStringLiteral("Select Elements, Compounds or Mixture"));
    editSearch->setObjectName(QStringLiteral("editSearch"));
    CMSelectBox->setObjectName(QStringLiteral("CMSelectBox"));
    GroupEditFld->setObjectName(QStringLiteral("GroupEditFld"));
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
    // The list shows each entry's group in a second column.
    auto *view = new QTreeView(CMSelectBox);
    view->setHeaderHidden(true);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setAllColumnsShowFocus(true);
    CMSelectBox->setModel(new QStandardItemModel(0, 2, CMSelectBox));
    CMSelectBox->setView(view);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(0, QHeaderView::Stretch);
    view->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    view->setMinimumWidth(480);
    editSearch->setPlaceholderText(QStringLiteral("name, second name or formula"));
    editSearch->setClearButtonEnabled(true);
    editSearch->installEventFilter(this);

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
    connect(editSearch, &QLineEdit::textChanged, this, &TCmpMixDlg::editSearchChange);
    connect(btnNewMaterial, &QPushButton::clicked, this, &TCmpMixDlg::btnNewMaterialClick);
    connect(btnEditMaterial, &QPushButton::clicked, this, &TCmpMixDlg::btnEditMaterialClick);
    connect(btnDeleteMaterial, &QPushButton::clicked, this, &TCmpMixDlg::btnDeleteMaterialClick);
    for (QPushButton *button : {btnNewMaterial, btnEditMaterial, btnDeleteMaterial})
        button->setAutoDefault(false);

    auto *fields = new QGridLayout;
    const auto addRow = [this, fields](const char *caption, const char *name, QWidget *field) {
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setBuddy(field);
        const int row = fields->rowCount();
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
    };
    addRow("&Search:", "SearchLbl", editSearch);
    addRow("Element/Compound/Mixture:", "NameLbl", CMSelectBox);
    addRow("Group:", "GroupLbl", GroupEditFld);
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

    auto *materials = new QHBoxLayout;
    materials->addWidget(new QLabel(QStringLiteral("Your own materials:"), this));
    materials->addWidget(btnNewMaterial);
    materials->addWidget(btnEditMaterial);
    materials->addWidget(btnDeleteMaterial);
    materials->addStretch();

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(materials);
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
    index_ = std::make_unique<pheltra::AbsorberIndex>(*library_);
    {
        const QSignalBlocker quiet(editSearch);
        editSearch->clear();
    }
    FillList();
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
    // A new absorber is looked for by typing; an absorber to edit is shown
    // in the list.
    if (index < 0)
        editSearch->setFocus();
    else
        CMSelectBox->setFocus();
    WeightGrid->scrollToTop();
}

void TCmpMixDlg::FillList()
{
    auto *model = static_cast<QStandardItemModel *>(CMSelectBox->model());
    const QSignalBlocker quiet(CMSelectBox);
    model->removeRows(0, model->rowCount());
    if (!library_ || !index_)
        return;
    const std::vector<int> found = index_->Matches(editSearch->text());
    model->setRowCount(static_cast<int>(found.size()));
    for (int row = 0; row < static_cast<int>(found.size()); ++row) {
        const int entry = found[static_cast<std::size_t>(row)];
        auto *name = new QStandardItem(library_->Name(entry));
        name->setData(entry, kEntryRole);
        model->setItem(row, 0, name);
        model->setItem(row, 1, new QStandardItem(pheltra::GroupName(index_->Group(entry))));
    }
    CMSelectBox->setCurrentIndex(-1);
}

int TCmpMixDlg::CurrentEntry() const
{
    const int listIndex = CMSelectBox->currentIndex();
    return listIndex < 0 ? -1 : CMSelectBox->itemData(listIndex, kEntryRole).toInt();
}

void TCmpMixDlg::editSearchChange()
{
    // The entry named as typed, else the first whose name begins so, else the
    // entry shown while it matches, else the first match; nothing when none
    // matches. The weight typed stays.
    const int shown = CurrentEntry();
    FillList();
    const int best = index_ ? index_->BestMatch(editSearch->text(), index_->Matches(editSearch->text())) : -1;
    int listIndex = CMSelectBox->findData(best >= 0 ? best : shown, kEntryRole);
    if (listIndex < 0 && CMSelectBox->count() > 0)
        listIndex = 0;
    ShowListEntry(listIndex);
}

void TCmpMixDlg::ShowListEntry(int listIndex)
{
    {
        const QSignalBlocker quiet(CMSelectBox);
        CMSelectBox->setCurrentIndex(listIndex);
    }
    const long double weight = numeditWeightFrac->Value();
    CMPasteData();
    if (listIndex < 0)
        ShowFieldValue(numeditWeightFrac, weight);
}

bool TCmpMixDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != editSearch || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto *key = static_cast<QKeyEvent *>(event);
    const int last = CMSelectBox->count() - 1;
    const int current = CMSelectBox->currentIndex();
    switch (key->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
    case Qt::Key_PageDown:
    case Qt::Key_PageUp: {
        const int step = key->key() == Qt::Key_Down ? 1
            : key->key() == Qt::Key_Up              ? -1
            : key->key() == Qt::Key_PageDown        ? kSearchPageStep
                                                    : -kSearchPageStep;
        if (last >= 0)
            ShowListEntry(std::clamp(current < 0 ? 0 : current + step, 0, last));
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Takes the entry shown, as picking it from the list does.
        if (current >= 0)
            CMSelectBoxChange(current);
        else
            PlaySystemSound(SystemSound::kBeep);
        return true;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void TCmpMixDlg::CMPasteData()
{
    const int index = CurrentEntry();
    UpdateMaterialButtons();
    if (!library_ || index < 0 || index >= library_->Count()) {
        GroupEditFld->clear();
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
    GroupEditFld->setText(index_ ? pheltra::GroupName(index_->Group(index)) : QString());
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

void TCmpMixDlg::CMSelectBoxChange(int listIndex)
{
    ShowListEntry(listIndex);
    const int index = CurrentEntry();
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
        // The entry shown is the one taken, also when the search showed it.
        absorberName_ = library_->Name(CurrentEntry());
        compound_.CopyFrom(library_->Compound(CurrentEntry()));
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

void TCmpMixDlg::UpdateMaterialButtons()
{
    const int index = CurrentEntry();
    const bool user = userMaterials_ && library_ && index >= 0 && index < library_->Count() && library_->IsUser(index);
    btnNewMaterial->setEnabled(userMaterials_ != nullptr);
    btnEditMaterial->setEnabled(user);
    btnDeleteMaterial->setEnabled(user);
}

void TCmpMixDlg::btnNewMaterialClick()
{
    if (!userMaterials_)
        return;
    QString kept;
    const bool added = materialDialog_->ExecuteNew([this, &kept](const QString &name, const TCompound &compound) {
        kept = name;
        return userMaterials_->Add(name, compound);
    });
    if (added)
        LibraryChanged(kept);
}

void TCmpMixDlg::btnEditMaterialClick()
{
    const int index = CurrentEntry();
    if (!userMaterials_ || index < 0 || !library_->IsUser(index))
        return;
    const QString name = library_->Name(index);
    if (materialDialog_->ExecuteEdit(
            name, library_->Compound(index),
            [this](const QString &kept, const TCompound &compound) { return userMaterials_->Replace(kept, compound); }))
        LibraryChanged(name);
}

void TCmpMixDlg::btnDeleteMaterialClick()
{
    const int index = CurrentEntry();
    if (!userMaterials_ || index < 0 || !library_->IsUser(index))
        return;
    const QString name = library_->Name(index);
    if (!UserPrompt::Confirm(this, QStringLiteral("Delete the material '%1' from your library?").arg(name)))
        return;
    if (const QString refused = userMaterials_->Remove(name); !refused.isEmpty()) {
        UserPrompt::Error(this, refused);
        return;
    }
    LibraryChanged(QString());
}

void TCmpMixDlg::LibraryChanged(const QString &name)
{
    index_ = std::make_unique<pheltra::AbsorberIndex>(*library_);
    FillList();
    const int entry = name.isEmpty() ? -1 : library_->IndexOf(name);
    const int listIndex = entry < 0 ? -1 : CMSelectBox->findData(entry, kEntryRole);
    if (listIndex >= 0)
        CMSelectBoxChange(listIndex);
    else
        ShowListEntry(-1);
}
