// TCmpMixDlg, "Select Elements, Compounds or Mixture": picks one entry of the
// compound library as an absorber, shows what the library says about it and
// asks for its relative weight in the data set's absorber. Absorbers are
// never typed in; every absorber is a library entry chosen from the list.
#pragma once

#include "absorber/compound.h"

#include <QDialog>
#include <QString>

class CompoundLibrary;
class FieldConfirmation;
class QComboBox;
class QLineEdit;
class QPushButton;
class StringGrid;

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

private:
    void BuildWeightGrid();
    void FormShow();
    void CMPasteData();
    void CMSelectBoxChange(int index);
    void OkBtnClick();
    void HelpBtnClick();
    void ClearSelection();

    const CompoundLibrary *library_ = nullptr;
    QString absorberName_;
    long double relWeight_ = 0.0L;
    // The record of the entry last picked; emptied on cancel.
    TCompound compound_;

    QComboBox *CMSelectBox;
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
};
