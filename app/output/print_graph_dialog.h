// TMRPrintGraphDlg, "Print Graph": the size and position at which the graph
// is printed, checked against the printable page the current printer
// reports. Created once; its settings last until the program ends and are
// never saved.
#pragma once

#include <QDialog>

#include <utility>
#include <vector>

class FieldConfirmation;
class QCheckBox;
class QLabel;
class QPushButton;

namespace pheltra::controls {
class TNumEdit;
}

// The dialog's settings, in whole millimetres.
struct TPrintGraphSettings
{
    bool fullPage = false;
    int horSize = 140;
    int verSize = 100;
    bool center = true;
    int leftMargin = 25;
    int topMargin = 25;
};

// What PrintGraph is given: positions and sizes in millimetres from the
// physical page edge, -1 for a centred margin and for the whole printable
// width or height.
struct TGraphPlacementMM
{
    int left = -1, top = -1, width = -1, height = -1;
    friend bool operator==(const TGraphPlacementMM &, const TGraphPlacementMM &) = default;
};

TGraphPlacementMM PrintGraphPlacement(const TPrintGraphSettings &settings);

class TMRPrintGraphDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TMRPrintGraphDlg(QWidget *parent = nullptr);

    // The printable page in whole millimetres, as the current printer
    // reports it; set before each Execute.
    void SetPrintableSize(int widthMM, int heightMM);
    int PrintableWidth() const { return printableWidth_; }
    int PrintableHeight() const { return printableHeight_; }

    // Runs the dialog modally. True when closed with "Print"; the settings
    // are then taken from the controls. Cancel keeps the settings of before.
    bool Execute();

    const TPrintGraphSettings &Settings() const { return settings_; }
    void SetSettings(const TPrintGraphSettings &settings) { settings_ = settings; }
    TGraphPlacementMM Placement() const { return PrintGraphPlacement(settings_); }

    QLabel *lblPrintSize;
    QLabel *lblGraphSize;
    QCheckBox *cbFullPage;
    QLabel *lblHorSize, *lblMM3, *lblVerSize, *lblMM4;
    pheltra::controls::TNumEdit *neHorSize, *neVerSize;
    QLabel *lblPosition;
    QCheckBox *cbCenter;
    QLabel *lblLeftM, *lblMM1, *lblTopM, *lblMM2;
    pheltra::controls::TNumEdit *neLeftM, *neTopM;
    QPushButton *btnPrint, *btnCancel, *btnHelp;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    void LoadControls();
    void FormShow();
    void cbFullPageClick();
    void cbCenterClick();
    void SetSizeControlsEnabled(bool enabled); // and "Center in page"
    void SetMarginControlsEnabled(bool enabled);
    void neLeftMChange();
    void neTopMChange();
    void neHorSizeChange();
    void neVerSizeChange();
    void btnPrintClick();

    TPrintGraphSettings settings_;
    int printableWidth_ = 0;
    int printableHeight_ = 0;
    bool loading_ = false; // no fit checks while the controls are loaded
    // Each field with its confirmation, which the field owns.
    std::vector<std::pair<pheltra::controls::TNumEdit *, FieldConfirmation *>> confirmations_;
};
