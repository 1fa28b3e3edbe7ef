// TLayerDlg, "Layer": one layer of a shield or one filter of a beam. Its
// material is a library entry picked in the absorber selection dialog or a
// chemical formula typed in, with a density of its own where the user gives
// one (a formula needs one unless its thickness is in g/cm2), and its
// thickness with the unit.
#pragma once

#include "app/tools/tool_material.h"

#include <QDialog>

class CompoundLibrary;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TCmpMixDlg;

namespace pheltra::controls {
class TNumEdit;
}

class TLayerDlg : public QDialog
{
    Q_OBJECT

public:
    // The library and the selection dialog outlive this dialog. helpTopic:
    // the topic "Help" opens.
    TLayerDlg(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, const QString &helpTopic,
              QWidget *parent = nullptr);

    // Runs the dialog modally with layer shown; on "Ok" layer takes the
    // controls and the answer is true.
    bool Execute(pheltra::LayerChoice &layer);

    // The layer the controls describe now.
    pheltra::LayerChoice Layer() const;
    // Fills the controls.
    void ShowLayer(const pheltra::LayerChoice &layer);

    QRadioButton *rbLibrary, *rbFormula;
    QLineEdit *editEntry;
    QPushButton *btnChoose;
    QLineEdit *editFormula;
    pheltra::controls::TNumEdit *neDensity;
    QLabel *lblLibraryDensity;
    pheltra::controls::TNumEdit *neThickness;
    QComboBox *comboUnit;
    QPushButton *btnOk, *btnCancel, *btnHelp;

private:
    void btnChooseClick();
    void btnOkClick();
    void ShowLibraryDensity();

    const CompoundLibrary &library_;
    TCmpMixDlg &absorberDialog_;
    QString helpTopic_;
};
