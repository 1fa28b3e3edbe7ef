// TmrPlotForm, the main window "Pheltra - photon attenuation data": the graph
// MRGraph in a lowered panel, and the main menu. It turns the six data sets
// into up to six curves of mass coefficient against photon energy (PlotData)
// and asks before data are discarded by File, New or by closing.
#pragma once

#include "absorber/data_set_list.h"
#include "app/viewdialogs/plot_range.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class CompoundLibrary;
class QAction;
class QFrame;
class QMenu;
class TAtomicDataForm;
class TCoeffTableDlg;
class TLegendsDlg;
class TMRDataDlg;
class TOutputCommands;
class TPlotRangeDlg;
class TShieldingForm;
class TSplashForm;
class TValueAtEnergyDlg;
class TVexplot;
class TXrayBeamForm;
class TmrPlotForm;

// The windows the main window's menu opens, all of them children of the main
// window: the splash window (Help, About), the data setup dialog, the output
// commands (Save Data, Save Graph, Printer Setup, Print Data, Print Graph),
// the plot range and legends dialogs and the two views.
struct TMainWindowDialogs
{
    TSplashForm &splash;
    TMRDataDlg &dataSetup;
    TOutputCommands &output;
    TPlotRangeDlg &plotRange;
    TLegendsDlg &legends;
    TAtomicDataForm &atomicData;
    TCoeffTableDlg &coefficientTable;
    // The library a set-up's absorbers are looked up in; none: "Open
    // Set-up..." stays disabled.
    const CompoundLibrary *library = nullptr;
};

// Makes the menu's windows as children of the main window it is given.
using TMainWindowDialogFactory = std::function<TMainWindowDialogs(TmrPlotForm &form)>;

class TmrPlotForm : public QMainWindow
{
    Q_OBJECT
public:
    // The data sets and the plot range belong to the program and outlive
    // the window.
    // The window with its menu's windows, which makeDialogs creates once the
    // window itself stands; every command is enabled.
    TmrPlotForm(DataSets &dataSets, TPlotRange &plotRange, const TMainWindowDialogFactory &makeDialogs,
                QWidget *parent = nullptr);
    // The window alone: the commands that open a window are disabled, and
    // About shows nothing.
    TmrPlotForm(DataSets &dataSets, TPlotRange &plotRange, QWidget *parent = nullptr);
    // The graph outlives this window's own members while Qt deletes the
    // children: its callbacks into the window are cut first, so a focus
    // change during the teardown reads nothing from a half-destroyed window.
    ~TmrPlotForm() override;

    TVexplot &MRGraph() const { return *mrGraph_; }
    QFrame &GraphPanel() const { return *graphPanel_; }

    // Rebuilds the curves and scales from the data sets and the plot range,
    // then repaints.
    void PlotData();
    // Draws the graph now. A drawing fault is reported in an error box.
    void RepaintGraph();

    // Reading the graph (plot_form_reading.cpp): the read-out at a point of
    // the plot box (none: hidden), a zoom to the energies between two x
    // coordinates of the plot box, and the way back to the full range.
    void ShowReadout(std::optional<QPoint> at);
    void ZoomTo(int left, int right);
    // The Tools menu opens the two tool windows (non-modal; chosen again, a
    // window comes to the front).
    void ConnectToolWindows(TShieldingForm &shielding, TXrayBeamForm &beam);
    void menuFullScaleClick();

    // The close question: true when the window may close (no data set in
    // use, or the user discards them).
    bool CloseQuery();

    // Set-ups, exported curves and exact values (plot_form_keeping.cpp).
    // Opens the set-up `fileName`: a set-up that cannot be used is reported
    // in one line and changes nothing; data in use are discarded only when
    // the user agrees. True when the set-up was taken.
    bool OpenSetup(const QString &fileName);
    // Writes the set-up of the window now; true when written.
    bool SaveSetup(const QString &fileName);
    // Which data sets' curves hold points, by slot 1..6 at index 0..5.
    std::array<bool, DataSets::kCount> PlottedCurves() const;

    // The main menu. Commands whose windows do not exist yet are disabled.
    QMenu *menuFile, *menuEdit, *menuView, *menuTools, *menuHelpMenu, *menuLegendPosition;
    QAction *menuNew, *menuOpenSetup, *menuSaveSetup, *menuDataSetup, *menuSaveData, *menuSaveGraph, *menuExportCurves,
        *menuPrinterSetup, *menuPrintData, *menuPrintGraph, *menuExit;
    QAction *menuPlotRange, *menuLegends, *menuLegendTop, *menuLegendBottom, *menuLegendNorthEast, *menuLegendSouthWest,
        *menuNoLegends, *menuShowTitle, *menuTitleText;
    QAction *menuAtomicData, *menuCoefficientData, *menuValueAtEnergy;
    QAction *menuShielding, *menuXrayBeam;
    QAction *menuHelp, *menuAbout;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenu();
    // Enables the commands that open the dialogs and connects them.
    void ConnectDialogs(const TMainWindowDialogs &dialogs);
    void PlaceGraphPanel();
    void menuNewClick();
    void menuDataSetupClick(TMRDataDlg &dialog);
    void menuHelpClick();
    void menuAboutClick(TSplashForm &splash);
    // The Edit menu's plot-shaping commands and the View menu
    // (plot_form_view_commands.cpp).
    void ConnectPlotShapeAndViewCommands();
    void ConnectGraphReading();
    void ConnectPlotShapeAndViewDialogs(const TMainWindowDialogs &dialogs);
    void menuPlotRangeClick(TPlotRangeDlg &dialog);
    void menuLegendsClick(TLegendsDlg &dialog);
    void AnyLegendPositionClick(QAction *chosen);
    void menuShowTitleClick();
    void menuTitleTextClick();
    void menuAtomicDataClick(TAtomicDataForm &view);
    void menuCoefficientDataClick(TCoeffTableDlg &dialog);
    void ConnectKeepingCommands();
    void menuOpenSetupClick();
    void menuSaveSetupClick();
    void menuExportCurvesClick();
    void menuValueAtEnergyClick();

    DataSets &dataSets_;
    TPlotRange &plotRange_;
    QFrame *graphPanel_;
    TVexplot *mrGraph_;
    const CompoundLibrary *library_ = nullptr;
    TValueAtEnergyDlg *valueDialog_ = nullptr;
    // The energy Value at Energy showed last.
    double valueEnergy_ = 100.0;
};
