// TLegendsDlg, "Edit Graph Legends": the legends of the six data sets in one
// place, without opening the data setup. A legend is graph markup; as stored
// it holds at most 255 characters and begins with a blank.
#pragma once

#include "absorber/data_set_list.h"

#include <QDialog>

#include <array>

class QLineEdit;
class QPushButton;

class TLegendsDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TLegendsDlg(QWidget *parent = nullptr);

    // Shows the six legends of `sets`, runs modally and, on "OK", stores
    // each field as the legend of its data set. Cancel changes nothing.
    // True when confirmed.
    bool Execute(DataSets &sets);

    std::array<QLineEdit *, DataSets::kCount> editLegend;
    QPushButton *btnOk, *btnCancel;

protected:
    void showEvent(QShowEvent *event) override;
};
