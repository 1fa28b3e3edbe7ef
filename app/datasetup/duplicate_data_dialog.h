// TDuplicateDlg, "Duplicate Data": asks for the number of the data set onto
// which "Copy Data" copies the current one.
#pragma once

#include "absorber/data_set_list.h"

#include <QDialog>

class FieldConfirmation;

namespace pheltra::controls {
class TNumEdit;
}

class TDuplicateDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFirstSet = 1;
    static constexpr int kLastSet = DataSets::kCount;

    explicit TDuplicateDlg(QWidget *parent = nullptr);

    // Runs the dialog modally; true when confirmed with a number 1 to 6.
    bool Execute();
    // The number confirmed, 1 to 6; 0 before any confirmed run.
    int SetNumber() const;

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    pheltra::controls::TNumEdit *numbSetNr;
    FieldConfirmation *setNrConfirmation_;
    int setNumber_ = 0;
};
