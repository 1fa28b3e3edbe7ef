// TShieldingForm, "Shielding": a point source (a photon energy, a nuclide's
// lines, or the beam of the X-ray Beam window) behind up to six layers, with
// the narrow- and broad-beam quantities, the broad-beam value layers of the
// last layer, the air-kerma rates with activity and distance, the last
// layer's thickness for a target, and the transmission against the last
// layer's thickness in a graph. Everything is recomputed at every change of
// an input; a refused input shows its reason in one line and computes
// nothing. A non-modal window, made once; it keeps its inputs until the
// program ends.
#pragma once

#include "app/tools/tool_graph.h"

#include "app/tools/shielding_calculation.h"
#include "app/tools/tool_reports.h"

#include <QDialog>

class CompoundLibrary;
class QComboBox;
class QLabel;
class QPrinter;
class QPushButton;
class QRadioButton;
class StringGrid;
class TCmpMixDlg;
class TLayerDlg;
class TLayerList;
class TVexplot;
class TXrayBeamForm;

namespace pheltra::controls {
class TNumEdit;
}

class TShieldingForm : public QDialog
{
    Q_OBJECT

public:
    // The library, the selection dialog, the X-ray Beam window (the source
    // "X-ray beam") and the printer outlive the window.
    TShieldingForm(const CompoundLibrary &library, TCmpMixDlg &absorberDialog, TXrayBeamForm &beamWindow,
                   QPrinter &printer, TGraphLook look, QWidget *parent = nullptr);

    void ShowWindow();

    pheltra::ShieldingInputs Inputs() const;
    void SetInputs(const pheltra::ShieldingInputs &inputs);
    const pheltra::ShieldingOutcome &Outcome() const { return outcome_; }

    QRadioButton *rbEnergy, *rbNuclide, *rbBeam;
    pheltra::controls::TNumEdit *neEnergy;
    QComboBox *comboNuclide;
    StringGrid *NuclideLineGrid;
    QLabel *lblBeam;
    QPushButton *btnBeamWindow;
    pheltra::controls::TNumEdit *neActivity, *neDistance;
    QComboBox *comboActivityUnit;
    TLayerList *Layers;
    QComboBox *comboResponse, *comboBuildup;
    QComboBox *comboTarget;
    pheltra::controls::TNumEdit *neTarget;
    QLabel *lblRefusal;
    StringGrid *ResultGrid;
    StringGrid *LineResultGrid;
    QLabel *lblNotes;
    TVexplot *ShieldGraph;
    QPushButton *btnCopy, *btnSave, *btnPrint, *btnHelp, *btnClose;

private:
    QWidget *BuildSource();
    QWidget *BuildShieldOptions();
    void BuildControls();
    void ShowNuclideLines();
    void Recompute();
    void ShowOutcome();
    void ShowLineResults();
    void PlotCurve();
    void ShowReadout(std::optional<QPoint> at);
    QStringList ReportLines(pheltra::ReportMedium medium) const;

    const CompoundLibrary &library_;
    TXrayBeamForm &beamWindow_;
    QPrinter &printer_;
    TGraphLook look_;
    TLayerDlg *layerDialog_;
    pheltra::ShieldingOutcome outcome_;
    bool loading_ = false;
};
