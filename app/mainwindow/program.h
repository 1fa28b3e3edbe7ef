// The program as a whole: what exists from start-up to the end of the run,
// created in the start-up order. First the compound library is read (the
// working folder's CmpMix.dat, else the installed one: FindCompoundLibrary)
// and the six data sets are created, before
// any window; then the help file is named, the main window and the dialogs
// are created, the main window is shown with its empty graph, and the splash
// window tells the version and how the library loaded.
#pragma once

#include "absorber/compound_file.h"
#include "absorber/compound_library.h"
#include "absorber/data_set_list.h"
#include "pheltra_version.h"
#include "app/viewdialogs/plot_range.h"

#include <QString>

#include <memory>

class TAtomicDataForm;
class TCmpMixDlg;
class TCoeffTableDlg;
class TDuplicateDlg;
class TLegendsDlg;
class TMRDataDlg;
class TOutputCommands;
class TPlotRangeDlg;
class TShieldingForm;
class TSplashForm;
class TUserMaterials;
class TXrayBeamForm;
class TmrPlotForm;

class TPheltraProgram
{
public:
    // Start-up up to the splash window: everything is created and the main
    // window is shown and painted. `libraryFile` is the compound library to
    // read (when the program runs, the file FindCompoundLibrary chose).
    // `userLibraryFile` is the user's own library, read after it (empty:
    // none, and the user's materials cannot be kept).
    explicit TPheltraProgram(const QString &libraryFile = QString::fromLatin1(kCompoundLibraryFileName),
                             const QString &userLibraryFile = QString());
    ~TPheltraProgram();
    TPheltraProgram(const TPheltraProgram &) = delete;
    TPheltraProgram &operator=(const TPheltraProgram &) = delete;

    // The last step before the event loop: the splash window, modally, until
    // "Continue". It stays alive for Help, About.
    void ShowSplash();

    const CompoundLibrary &Library() const { return library_; }
    LibraryStatus Status() const { return load_.status; }
    // The user's materials, kept in the user library file.
    TUserMaterials &UserMaterials() const { return *userMaterials_; }
    // The library file read, as an absolute path; empty when it was missing.
    QString LibraryFile() const;
    DataSets &Sets() { return dataSets_; }
    TPlotRange &PlotRange() { return plotRange_; }
    TmrPlotForm &MainForm() const { return *mainForm_; }
    TSplashForm &Splash() const { return *splash_; }
    TMRDataDlg &DataSetupDialog() const { return *dataSetupDialog_; }
    TCmpMixDlg &AbsorberDialog() const { return *absorberDialog_; }
    TDuplicateDlg &DuplicateDialog() const { return *duplicateDialog_; }
    // The output commands with the save-data and print-graph dialogs.
    TOutputCommands &OutputCommands() const { return *outputCommands_; }
    TAtomicDataForm &AtomicDataView() const { return *atomicDataForm_; }
    TPlotRangeDlg &PlotRangeDialog() const { return *plotRangeDialog_; }
    TLegendsDlg &LegendsDialog() const { return *legendsDialog_; }
    TCoeffTableDlg &CoeffTableDialog() const { return *coeffTableDialog_; }
    // The Tools menu's windows.
    TShieldingForm &ShieldingWindow() const { return *shieldingForm_; }
    TXrayBeamForm &XrayBeamWindow() const { return *xrayBeamForm_; }

private:
    // Declared in the order of creation.
    CompoundLibrary library_;
    LibraryLoad load_;
    QString userLibraryMessage_;
    std::unique_ptr<TUserMaterials> userMaterials_;
    DataSets dataSets_;
    TPlotRange plotRange_;
    // Every window below is a child of the main window and goes with it.
    std::unique_ptr<TmrPlotForm> mainForm_;
    TOutputCommands *outputCommands_ = nullptr;
    TDuplicateDlg *duplicateDialog_ = nullptr;
    TSplashForm *splash_ = nullptr;
    TCmpMixDlg *absorberDialog_ = nullptr;
    TMRDataDlg *dataSetupDialog_ = nullptr;
    TAtomicDataForm *atomicDataForm_ = nullptr;
    TPlotRangeDlg *plotRangeDialog_ = nullptr;
    TLegendsDlg *legendsDialog_ = nullptr;
    TCoeffTableDlg *coeffTableDialog_ = nullptr;
    TXrayBeamForm *xrayBeamForm_ = nullptr;
    TShieldingForm *shieldingForm_ = nullptr;
};
