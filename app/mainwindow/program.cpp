#include "app/mainwindow/program.h"

#include "app/datasetup/absorber_selection_dialog.h"
#include "app/viewdialogs/atomic_data_view.h"
#include "app/viewdialogs/coefficient_table_dialog.h"
#include "app/datasetup/data_setup_dialog.h"
#include "app/datasetup/duplicate_data_dialog.h"
#include "app/kit/help_system.h"
#include "app/viewdialogs/legends_dialog.h"
#include "app/output/output_commands.h"
#include "app/mainwindow/plot_form.h"
#include "app/viewdialogs/plot_range_dialog.h"
#include "app/mainwindow/splash_form.h"

TPheltraProgram::TPheltraProgram(const QString &libraryFile) : status_(LoadCompoundLibrary(libraryFile, library_))
{
    Help::SetHelpFile(QString::fromLatin1(Help::kHelpFileName));

    mainForm_ = std::make_unique<TmrPlotForm>(dataSets_, plotRange_);
    outputCommands_ = new TOutputCommands(mainForm_.get(), dataSets_, mainForm_->MRGraph());
    mainForm_->SetOutputCommands(outputCommands_);
    duplicateDialog_ = new TDuplicateDlg(mainForm_.get());

    // The empty graph, scales 1 to 10 as configured: nothing is plotted yet.
    mainForm_->show();
    mainForm_->RepaintGraph();

    splash_ = new TSplashForm(mainForm_.get());
    splash_->SetVersion(QString::fromLatin1(kPheltraVersion));
    splash_->SetMessage(LibraryStatusMessage(status_));
    mainForm_->SetSplash(splash_);

    absorberDialog_ = new TCmpMixDlg(mainForm_.get());
    dataSetupDialog_ = new TMRDataDlg(library_, *absorberDialog_, *duplicateDialog_, mainForm_.get());
    mainForm_->SetDataSetupDialog(dataSetupDialog_);
    atomicDataForm_ = new TAtomicDataForm(mainForm_.get());
    plotRangeDialog_ = new TPlotRangeDlg(plotRange_, mainForm_.get());
    legendsDialog_ = new TLegendsDlg(mainForm_.get());
    coeffTableDialog_ = new TCoeffTableDlg(dataSets_, mainForm_.get());
    mainForm_->SetPlotShapeDialogs(plotRangeDialog_, legendsDialog_);
    mainForm_->SetViewWindows(atomicDataForm_, coeffTableDialog_);
}

TPheltraProgram::~TPheltraProgram() = default;

void TPheltraProgram::ShowSplash()
{
    splash_->Execute();
}
