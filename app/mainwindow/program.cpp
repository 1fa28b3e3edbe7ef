#include "app/program.h"

#include "app/absorber_selection_dialog.h"
#include "app/atomic_data_view.h"
#include "app/coefficient_table_dialog.h"
#include "app/data_setup_dialog.h"
#include "app/duplicate_data_dialog.h"
#include "app/help_system.h"
#include "app/legends_dialog.h"
#include "app/output_commands.h"
#include "app/plot_form.h"
#include "app/plot_range_dialog.h"
#include "app/splash_form.h"

TPheltraProgram::TPheltraProgram(const QString &libraryFile)
    : status_(LoadCompoundLibrary(libraryFile, library_))
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
