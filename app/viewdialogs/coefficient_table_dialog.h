// TCoeffTableDlg, "Coefficient Data" of the View menu: the coefficients of
// the six data sets in cm2/g on an energy grid the user gives by "from",
// "to" and "Interval", at most 100 rows. It computes the values itself,
// independently of the graph. Created once; the three fields keep their
// values between openings, the table starts empty at every opening. "Copy"
// puts the table on the clipboard as tab-separated text.
#pragma once

#include "absorber/data_set_list.h"

#include <QDialog>

class QLabel;
class QPushButton;
class TCoeffGrid;

namespace pheltra::controls {
class TNumEdit;
}

class TCoeffTableDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kWidth = 620;
    static constexpr int kMinimumHeight = 360;

    // The data sets belong to the program and outlive the dialog.
    explicit TCoeffTableDlg(const DataSets &sets, QWidget *parent = nullptr);

    // Opens the dialog modally with the header rows only, the legends as the
    // data sets hold them now.
    void Execute();
    // What every opening does before the dialog shows.
    void PrepareOpening();

    // Corrects the three fields in place and fills the table from row 2.
    void btnApplyClick();
    // The whole table, header rows included, as tab-separated text on the
    // clipboard.
    void CopyTable();

    QLabel *lblTitle;
    pheltra::controls::TNumEdit *numeditFrom, *numeditTo, *numeditInterval;
    QPushButton *btnApply, *btnContinue, *btnHelp, *btnCopy;
    TCoeffGrid *CoeffGrid;

protected:
    void showEvent(QShowEvent *event) override;

private:
    const DataSets &sets_;
};
