// The main window's Edit commands that shape the plot rather than its data
// (plot range, legends, legend position, graph title) and its View menu
// (atomic data, coefficient table).
#include "app/mainwindow/plot_form.h"

#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "app/kit/user_prompt.h"
#include "graph/vexplot.h"

#include <QAction>
#include <QMenu>

namespace {

const QString kTitleCaption = QStringLiteral("Graph Title");
const QString kTitlePrompt = QStringLiteral("Enter caption:");

} // namespace

void TmrPlotForm::SetPlotShapeDialogs(TPlotRangeDlg *plotRange, TLegendsDlg *legends)
{
    plotRangeDialog_ = plotRange;
    legendsDialog_ = legends;
    menuPlotRange->setEnabled(plotRange != nullptr);
    menuLegends->setEnabled(legends != nullptr);
}

void TmrPlotForm::SetViewWindows(TAtomicDataForm *atomicData, TCoeffTableDlg *coefficientTable)
{
    atomicDataForm_ = atomicData;
    coeffTableDialog_ = coefficientTable;
    menuAtomicData->setEnabled(atomicData != nullptr);
    menuCoefficientData->setEnabled(coefficientTable != nullptr);
}

void TmrPlotForm::ConnectPlotShapeAndViewCommands()
{
    connect(menuPlotRange, &QAction::triggered, this, &TmrPlotForm::menuPlotRangeClick);
    connect(menuLegends, &QAction::triggered, this, &TmrPlotForm::menuLegendsClick);
    connect(menuLegendPosition, &QMenu::triggered, this, &TmrPlotForm::AnyLegendPositionClick);
    connect(menuShowTitle, &QAction::triggered, this, &TmrPlotForm::menuShowTitleClick);
    connect(menuTitleText, &QAction::triggered, this, &TmrPlotForm::menuTitleTextClick);
    connect(menuAtomicData, &QAction::triggered, this, &TmrPlotForm::menuAtomicDataClick);
    connect(menuCoefficientData, &QAction::triggered, this, &TmrPlotForm::menuCoefficientDataClick);
}

void TmrPlotForm::menuPlotRangeClick()
{
    // Confirmed or not, the graph is plotted over the range as it stands.
    plotRangeDialog_->Execute();
    PlotData();
}

void TmrPlotForm::menuLegendsClick()
{
    legendsDialog_->Execute(dataSets_);
    for (int i = 0; i < DataSets::Count(); ++i) {
        mrGraph_->SetSeries(i + 1, true, false, ColorFromRgbValue(dataSets_[i].LineColor), dataSets_[i].Legend);
    }
    PlotData();
}

void TmrPlotForm::AnyLegendPositionClick(QAction *chosen)
{
    for (QAction *position : menuLegendPosition->actions())
        position->setChecked(position == chosen);
    TLegendBox &box = mrGraph_->LegendBox();
    if (chosen == menuLegendTop)
        box.SetPlacement(lbxTop);
    else if (chosen == menuLegendBottom)
        box.SetPlacement(lbxBottom);
    else if (chosen == menuLegendSouthWest)
        box.SetPlacement(lbxSouthWest);
    else
        box.SetPlacement(lbxNorthEast); // "North east", and where "No Legends" leaves the box
    box.SetEnabled(!menuNoLegends->isChecked());
    RepaintGraph();
}

void TmrPlotForm::menuShowTitleClick()
{
    mrGraph_->GraphTitle().SetEnabled(menuShowTitle->isChecked());
    RepaintGraph();
}

void TmrPlotForm::menuTitleTextClick()
{
    TGTitle &title = mrGraph_->GraphTitle();
    if (const auto caption = UserPrompt::InputText(this, kTitleCaption, kTitlePrompt, title.Caption()))
        title.SetCaption(*caption); // markup, cut to 255 characters
    RepaintGraph();
}

void TmrPlotForm::menuAtomicDataClick()
{
    atomicDataForm_->Execute();
    RepaintGraph();
}

void TmrPlotForm::menuCoefficientDataClick()
{
    coeffTableDialog_->Execute();
    RepaintGraph();
}
