// TValueAtEnergyDlg, "Value at Energy": the coefficient of every plotted data
// set at one energy the user types, in full precision, computed with
// CoefficientAt as the curves are; "Copy" puts the table on the clipboard as
// tab-separated text.
#pragma once

#include "absorber/data_set_list.h"

#include <QDialog>
#include <QString>

#include <array>
#include <vector>

class QPushButton;
class QTableWidget;
class FieldConfirmation;

namespace pheltra::controls {
class TNumEdit;
}

// One data set's value at an energy.
struct TExactValue
{
    int Slot = 0; // data set 1..6
    QString Legend;
    QString Type;          // the coefficient type's name
    long double Value = 0; // CoefficientAt; not above 0: none
};

// The values of the data sets flagged in `plotted` (by slot 1..6 at index
// 0..5) that are in use, at `energy` keV.
std::vector<TExactValue> ExactValuesAt(const DataSets &sets, const std::array<bool, DataSets::kCount> &plotted,
                                       double energy);

// The rows as the dialog copies them: a heading line, then per data set its
// number, legend, type and value, tab-separated ("--" for no value).
QString ExactValuesText(double energy, const std::vector<TExactValue> &values);

class TValueAtEnergyDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TValueAtEnergyDlg(const DataSets &sets, QWidget *parent = nullptr);

    // Shows the dialog modally for the curves flagged in `plotted`, starting
    // at `energy` keV.
    void Execute(const std::array<bool, DataSets::kCount> &plotted, double energy);
    // The energy of the values shown last, keV.
    double Energy() const { return energy_; }

private:
    void ShowValues();
    void btnCopyClick();

    const DataSets &sets_;
    std::array<bool, DataSets::kCount> plotted_{};
    std::vector<TExactValue> values_;
    double energy_ = 0;
    pheltra::controls::TNumEdit *numeditEnergy;
    FieldConfirmation *energyConfirmation_;
    QTableWidget *gridValues;
    QPushButton *btnShow;
    QPushButton *btnCopy;
    QPushButton *btnClose;
};
