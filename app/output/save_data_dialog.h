// TMRSaveDlg, the selection dialog of "Save Data" and "Print Data": which
// data sets, which report (absorber composition, coefficients or both) and
// the energy grid of the coefficient table. It is created once and keeps the
// selection for the whole run; Cancel leaves it as it was.
#pragma once

#include "absorber/data_set_list.h"
#include "app/reports/reports.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace pheltra::controls {
class TNumEdit;
}

class TMRSaveDlg : public QDialog
{
    Q_OBJECT
public:
    // The dialog serves two commands; only its texts differ.
    enum class Form { Save, Print };

    explicit TMRSaveDlg(QWidget *parent = nullptr);

    // Loads the controls from the selection, runs the dialog modally in the
    // given form and, when the user confirms and every check passed, takes
    // the selection back from the controls. True when confirmed.
    bool Execute(Form form);

    const ReportSelection &Selection() const { return selection_; }
    void SetSelection(const ReportSelection &selection) { selection_ = selection; }

    QLabel *lblTitle;
    QGroupBox *grpAbsorbers, *grpData;
    std::array<QCheckBox *, DataSets::kCount> cbAbsorber;
    QPushButton *btnSelectAll;
    QCheckBox *cbAbsData, *cbCoeffData;
    QLabel *lblEnergyGrid, *lblFrom, *lblTo, *lblIntv;
    pheltra::controls::TNumEdit *numeditFrom, *numeditTo, *numeditIntv;
    QPushButton *btnAction, *btnCancel, *btnHelp;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    void LoadControls();
    void TakeSelection();
    void btnSelectAllClick();
    void cbCoeffDataClick();
    void btnActionClick();
    bool CheckEnergyBound(pheltra::controls::TNumEdit *field);
    bool CheckInterval();
    bool CheckPointCount();

    ReportSelection selection_;
};
