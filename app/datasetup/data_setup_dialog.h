// TMRDataDlg, "Selecting data": the six data sets on tabs "# 1" to "# 6". For
// each the user composes an absorber from up to six library entries with
// relative weights, picks coefficient type and data source, and sets the
// curve's colour, width, pattern and legend; the gross elemental composition
// and the derived figures follow every change of the absorbers.
//
// The dialog edits working copies of the program's data sets and copies
// them back only when the user confirms with "Ok".
#pragma once

#include "absorber/data_set_list.h"

#include <QDialog>

#include <array>

class ColorSwatch;
class CompoundLibrary;
class FieldConfirmation;
class QColorDialog;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTabBar;
class StringGrid;
class TCmpMixDlg;
class TDuplicateDlg;

namespace pheltra::controls {
class TNumEdit;
}

class TMRDataDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kSlots = TCmpDataSet::kAbsorberSlots;
    // Rows of the element grid before it grows.
    static constexpr int kElementRows = 14;

    // `library` lends the absorbers' compositions; `absorberDialog` and
    // `duplicateDialog` are the program's selection and duplicate-data
    // dialogs, which this dialog opens. All three outlive the dialog.
    TMRDataDlg(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, TDuplicateDlg &duplicateDialog,
               QWidget *parent = nullptr);

    // Runs the dialog modally for the program's data sets. On "Ok" the
    // working copies replace them, and the answer is whether at least one
    // of them now has an absorber. On cancel they are untouched and the
    // answer is false.
    bool Execute(DataSets &dataSets);

    // The working copy of data set `index` (0-based).
    const TCmpDataSet &WorkingSet(int index) const;
    // 0-based index of the tab shown.
    int CurrentTab() const { return currentTab_; }

private:
    void BuildControls();
    void BuildGrids();
    void SetComboItems(QComboBox *combo, const QStringList &items);

    TCmpDataSet &Current() { return working_[static_cast<std::size_t>(currentTab_)]; }
    void dataTabControlChange();
    void dataTabControlChanged(int index);
    void SaveCurrentData();
    void comboDataSourceChange();
    void btnAddCompoundClick();
    void btnEditCompoundClick();
    void btnDeleteCompoundClick();
    void CompoundGridDblClick(int row);
    void UpdateCompoundGrid();
    void ShowElementRows();
    void btnColorClick();
    void btnCopyDataClick();
    void btnOkClick();
    void btnHelpClick();

    // Slot (0-based) of the absorber grid's selected row.
    int SelectedSlot() const;
    void SelectSlotRow(int slot);
    // Runs the selection dialog for a slot; true when the user confirmed.
    bool SelectAbsorber(int slot);

    const CompoundLibrary &library_;
    TCmpMixDlg &absorberDialog_;
    TDuplicateDlg &duplicateDialog_;
    std::array<TCmpDataSet, DataSets::kCount> working_;
    int currentTab_ = 0;
    // The source whose types the coefficient-type list shows.
    int typeListSource_ = kDataSourceH;

    QTabBar *dataTabControl;
    QComboBox *comboCoeffType;
    QComboBox *comboDataSource;
    StringGrid *CompoundGrid;
    QPushButton *btnAddAbsorber;
    QPushButton *btnEditAbsorber;
    QPushButton *btnDeleteAbsorber;
    StringGrid *ElementWeightGrid;
    QLineEdit *editElDensity;
    QLineEdit *editDensity;
    QLineEdit *editElPerCCM;
    QLineEdit *editEffZ;
    ColorSwatch *editColor;
    QPushButton *btnColor;
    pheltra::controls::TNumEdit *numeditLinewidth;
    FieldConfirmation *linewidthConfirmation_;
    QComboBox *comboLinepattern;
    QLineEdit *editLegend;
    QPushButton *btnCopyData;
    QPushButton *btnOk;
    QPushButton *btnCancel;
    QPushButton *btnHelp;
    QColorDialog *LineColorDialog;
};
