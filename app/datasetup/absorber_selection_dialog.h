// TCmpMixDlg, "Select Elements, Compounds or Mixture": picks one entry of the
// compound library as an absorber, shows what the library says about it and
// asks for its relative weight in the data set's absorber. Every absorber is
// a library entry chosen from the list; the search field above it narrows
// the list as the user types, and "New...", "Edit..." and "Delete" keep the
// user's own materials.
#pragma once

#include "absorber/absorber_search.h"
#include "absorber/compound.h"

#include <memory>

#include <QDialog>
#include <QString>

class CompoundLibrary;
class FieldConfirmation;
class QComboBox;
class QLineEdit;
class QPushButton;
class StringGrid;
class TUserMaterialDlg;
class TUserMaterials;

namespace pheltra::controls {
class TNumEdit;
}

class TCmpMixDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kGridRows = TCompound::kSlotCount;

    explicit TCmpMixDlg(QWidget *parent = nullptr);

    // What the caller hands over before Execute: the library (none when it
    // could not be loaded), the name to preselect (empty for a new
    // absorber) and the weight to show.
    void SetLibrary(const CompoundLibrary *library) { library_ = library; }
    void SetAbsorberName(const QString &name) { absorberName_ = name; }
    void SetRelWeight(long double weight) { relWeight_ = weight; }
    // Where "New...", "Edit..." and "Delete" keep the user's materials; none:
    // the three buttons are disabled.
    void SetUserMaterials(TUserMaterials *materials) { userMaterials_ = materials; }

    // Runs the dialog modally. True when the user confirmed; AbsorberName
    // and RelWeight then hold the chosen library name and a weight above 0.
    // Without a library it says so and answers false without showing.
    bool Execute();

    QString AbsorberName() const { return absorberName_; }
    long double RelWeight() const { return relWeight_; }
    // The library record of the entry last picked; empty after a cancel or
    // a run without library.
    const TCompound &PickedCompound() const { return compound_; }

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildWeightGrid();
    void FormShow();
    void CMPasteData();
    void CMSelectBoxChange(int listIndex);
    void OkBtnClick();
    void HelpBtnClick();
    void ClearSelection();
    // The list: the entries matching the search field, each with its group.
    void FillList();
    void editSearchChange();
    // The library position of the list's current entry, or -1.
    int CurrentEntry() const;
    // Makes the list entry at listIndex (or none) current and shows it,
    // as a pick does, without moving the focus.
    void ShowListEntry(int listIndex);
    void UpdateMaterialButtons();
    void btnNewMaterialClick();
    void btnEditMaterialClick();
    void btnDeleteMaterialClick();
    // After the user library changed: the list anew, `name` current.
    void LibraryChanged(const QString &name);

    const CompoundLibrary *library_ = nullptr;
    TUserMaterials *userMaterials_ = nullptr;
    std::unique_ptr<pheltra::AbsorberIndex> index_;
    QString absorberName_;
    long double relWeight_ = 0.0L;
    // The record of the entry last picked; emptied on cancel.
    TCompound compound_;

    QLineEdit *editSearch;
    QComboBox *CMSelectBox;
    QLineEdit *GroupEditFld;
    QLineEdit *FormulaEditFld;
    QLineEdit *SecNameEditFld;
    QLineEdit *SourceEditFld;
    QLineEdit *DensityEditFld;
    StringGrid *WeightGrid;
    pheltra::controls::TNumEdit *numeditWeightFrac;
    FieldConfirmation *weightConfirmation_;
    QPushButton *OkBtn;
    QPushButton *CancelBtn;
    QPushButton *HelpBtn;
    QPushButton *btnNewMaterial;
    QPushButton *btnEditMaterial;
    QPushButton *btnDeleteMaterial;
    TUserMaterialDlg *materialDialog_;
};
