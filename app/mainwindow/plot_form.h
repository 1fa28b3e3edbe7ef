// TmrPlotForm, the main window "Pheltra - photon attenuation data": the graph
// MRGraph in a lowered panel, and the main menu. It turns the six data sets
// into up to six curves of mass coefficient against photon energy (PlotData)
// and asks before data are discarded by File, New or by closing.
#pragma once

#include "absorber/data_set_list.h"
#include "app/viewdialogs/plot_range.h"

#include <QMainWindow>

class QAction;
class QFrame;
class QMenu;
class TAtomicDataForm;
class TCoeffTableDlg;
class TLegendsDlg;
class TMRDataDlg;
class TOutputCommands;
class TPlotRangeDlg;
class TSplashForm;
class TVexplot;

class TmrPlotForm : public QMainWindow
{
    Q_OBJECT
public:
    // The data sets and the plot range belong to the program and outlive
    // the window.
    TmrPlotForm(DataSets &dataSets, const TPlotRange &plotRange, QWidget *parent = nullptr);

    // The windows the menu opens, created after the main window.
    void SetSplash(TSplashForm *splash) { splash_ = splash; }
    void SetDataSetupDialog(TMRDataDlg *dialog);
    // Save Data, Save Graph, Printer Setup, Print Data and Print Graph; set
    // once at start-up.
    void SetOutputCommands(TOutputCommands *commands);
    void SetPlotShapeDialogs(TPlotRangeDlg *plotRange, TLegendsDlg *legends);
    void SetViewWindows(TAtomicDataForm *atomicData, TCoeffTableDlg *coefficientTable);

    TVexplot &MRGraph() const { return *mrGraph_; }
    QFrame &GraphPanel() const { return *graphPanel_; }

    // Rebuilds the curves and scales from the data sets and the plot range,
    // then repaints.
    void PlotData();
    // Draws the graph now. A drawing fault is reported in an error box.
    void RepaintGraph();

    // The close question: true when the window may close (no data set in
    // use, or the user discards them).
    bool CloseQuery();

    // The main menu. Commands whose windows do not exist yet are disabled.
    QMenu *menuFile, *menuEdit, *menuView, *menuHelpMenu, *menuLegendPosition;
    QAction *menuNew, *menuDataSetup, *menuSaveData, *menuSaveGraph, *menuPrinterSetup, *menuPrintData, *menuPrintGraph,
        *menuExit;
    QAction *menuPlotRange, *menuLegends, *menuLegendTop, *menuLegendBottom, *menuLegendNorthEast, *menuLegendSouthWest,
        *menuNoLegends, *menuShowTitle, *menuTitleText;
    QAction *menuAtomicData, *menuCoefficientData;
    QAction *menuHelp, *menuAbout;

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildMenu();
    void PlaceGraphPanel();
    void menuNewClick();
    void menuDataSetupClick();
    void menuHelpClick();
    void menuAboutClick();
    // The Edit menu's plot-shaping commands and the View menu
    // (plot_form_view_commands.cpp).
    void ConnectPlotShapeAndViewCommands();
    void menuPlotRangeClick();
    void menuLegendsClick();
    void AnyLegendPositionClick(QAction *chosen);
    void menuShowTitleClick();
    void menuTitleTextClick();
    void menuAtomicDataClick();
    void menuCoefficientDataClick();

    DataSets &dataSets_;
    const TPlotRange &plotRange_;
    QFrame *graphPanel_;
    TVexplot *mrGraph_;
    TSplashForm *splash_ = nullptr;
    TMRDataDlg *dataSetupDialog_ = nullptr;
    TPlotRangeDlg *plotRangeDialog_ = nullptr;
    TLegendsDlg *legendsDialog_ = nullptr;
    TAtomicDataForm *atomicDataForm_ = nullptr;
    TCoeffTableDlg *coeffTableDialog_ = nullptr;
};
