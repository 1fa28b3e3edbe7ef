// TPlotRangeDlg, "Plot Range": the photon-energy range of the graph's
// horizontal axis. The range it edits lives for the whole run; after a
// confirmed dialog the minimum is above 0 and the maximum at least twice
// the minimum. Wrong input is never refused: "Ok" corrects it in the fields
// and keeps the dialog open, so the user sees the correction and confirms
// again.
#pragma once

#include "app/viewdialogs/plot_range.h"

#include <QDialog>

class QPushButton;

namespace pheltra::controls {
class TNumEdit;
}

class TPlotRangeDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TPlotRangeDlg(TPlotRange &range, QWidget *parent = nullptr);

    // Shows the stored range, runs modally and stores the fields on "Ok".
    // Cancel changes nothing. True when confirmed.
    bool Execute();

    // The checks and corrections of "Ok"; closes the dialog when nothing
    // needed correcting.
    void btnOkClick();
    // Both fields to the full range of the data; the dialog stays open.
    void btnFullScaleClick();

    pheltra::controls::TNumEdit *numeditMinEnergy, *numeditMaxEnergy;
    QPushButton *btnOk, *btnCancel, *btnFullScale;

protected:
    void showEvent(QShowEvent *event) override;

private:
    TPlotRange &range_;
};
