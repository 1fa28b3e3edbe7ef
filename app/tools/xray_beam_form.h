// TXrayBeamForm, "X-ray Beam": an X-ray beam (the TASMIP model at a tube
// voltage, or a spectrum file) behind up to six filters, and its quality:
// HVL1, QVL, HVL2, h, the mean energies, the effective energy, the air kerma
// per mAs at 1 m and (mu_en/rho)medium/air, recomputed at every change of
// an input. The graph shows the spectrum before and behind the filters. A
// non-modal window, made once; it keeps its inputs until the program ends.
#pragma once

#include "app/tools/tool_graph.h"

#include "app/tools/beam_calculation.h"

#include <QDialog>

#include <functional>

class CompoundLibrary;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class StringGrid;
class TCmpMixDlg;
class TLayerDlg;
class TLayerList;
class TVexplot;

namespace pheltra::controls {
class TNumEdit;
}

class TXrayBeamForm : public QDialog
{
    Q_OBJECT

public:
    // The library, the selection dialog and the printer outlive the window;
    // look gives the graph the program's look.
    TXrayBeamForm(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, QPrinter &printer, TGraphLook look,
                  QWidget *parent = nullptr);

    // Shows the window, or brings it to the front.
    void ShowWindow();

    pheltra::BeamInputs Inputs() const;
    void SetInputs(const pheltra::BeamInputs &inputs);
    const pheltra::BeamOutcome &Outcome() const { return outcome_; }

    // Which spectrum file "..." chooses; a test installs its own.
    std::function<QString(QWidget *parent)> ChooseSpectrumFile;

    QRadioButton *rbTubeVoltage, *rbSpectrumFile;
    pheltra::controls::TNumEdit *neKv;
    QLineEdit *editSpectrumFile;
    QPushButton *btnBrowse;
    QComboBox *comboEnergyUnit;
    QCheckBox *cbPerBin;
    TLayerList *Filters;
    QComboBox *comboDataSource;
    QLineEdit *editHvlMaterial, *editMedium;
    QPushButton *btnHvlMaterial, *btnMedium;
    QLabel *lblRefusal;
    StringGrid *ResultGrid;
    TVexplot *BeamGraph;
    QPushButton *btnCopy, *btnSave, *btnPrint, *btnHelp, *btnClose;

signals:
    // After every recomputation.
    void beamChanged();

private:
    void BuildControls();
    void Recompute();
    void ShowOutcome();
    void PlotSpectra();
    void ShowReadout(std::optional<QPoint> at);
    void ChooseMaterial(QLineEdit *edit);
    void btnCopyClick();
    void btnSaveClick();
    void btnPrintClick();

    const CompoundLibrary &library_;
    TCmpMixDlg &absorberDialog_;
    QPrinter &printer_;
    TGraphLook look_;
    TLayerDlg *layerDialog_;
    pheltra::BeamOutcome outcome_;
    bool loading_ = false;
};
