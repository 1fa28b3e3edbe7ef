#include "app/mainwindow/plot_form.h"

#include "app/datasetup/data_setup_dialog.h"
#include "app/kit/help_system.h"
#include "app/mainwindow/main_window_graph.h"
#include "app/output/output_commands.h"
#include "app/mainwindow/plot_data.h"
#include "app/mainwindow/splash_form.h"
#include "app/tools/shielding_form.h"
#include "app/tools/xray_beam_form.h"
#include "app/kit/user_prompt.h"
#include "textio/font_faces.h"
#include "graph/vexplot.h"
#include "app/kit/center_on_screen.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFrame>
#include <QMenuBar>
#include <QTimer>
#include <QVBoxLayout>

#include <exception>

namespace {

const QString kCaption = QStringLiteral("Pheltra - photon attenuation data");
const QString kDiscardQuestion = QStringLiteral("Discard all data entries ?");
constexpr QSize kStartSize(718, 580);

QAction *Command(QMenu *menu, const char *objectName, const QString &text)
{
    QAction *action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

// A command whose window belongs to a later part of the program: visible,
// but it cannot be chosen.
QAction *LaterCommand(QMenu *menu, const char *objectName, const QString &text)
{
    QAction *action = Command(menu, objectName, text);
    action->setEnabled(false);
    return action;
}

} // namespace

TmrPlotForm::TmrPlotForm(DataSets &dataSets, TPlotRange &plotRange, const TMainWindowDialogFactory &makeDialogs,
                         QWidget *parent)
    : TmrPlotForm(dataSets, plotRange, parent)
{
    ConnectDialogs(makeDialogs(*this));
}

TmrPlotForm::TmrPlotForm(DataSets &dataSets, TPlotRange &plotRange, QWidget *parent)
    : QMainWindow(parent), dataSets_(dataSets), plotRange_(plotRange)
{
    setObjectName(QStringLiteral("mrPlotForm"));
    setWindowTitle(kCaption);
    QFont formFont;
    formFont.setFamilies(FontFamiliesFor(QStringLiteral("MS Sans Serif")));
    formFont.setPixelSize(13);
    setFont(formFont);

    auto *client = new QWidget(this);
    setCentralWidget(client);
    graphPanel_ = new QFrame(client);
    graphPanel_->setObjectName(QStringLiteral("GraphPanel"));
    graphPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    mrGraph_ = new TVexplot(graphPanel_);
    mrGraph_->setObjectName(QStringLiteral("MRGraph"));
    auto *panelLayout = new QVBoxLayout(graphPanel_);
    panelLayout->setContentsMargins(0, 0, 0, 0);
    panelLayout->addWidget(mrGraph_);
    ConfigureMainWindowGraph(*mrGraph_);
    mrGraph_->SetBuffered(true);
    // A fault found while the window system repaints is told once the
    // repaint is over, never from inside it.
    mrGraph_->OnPaintError = [this](const QString &message) {
        QTimer::singleShot(0, this, [this, message] { UserPrompt::Error(this, message); });
    };
    client->installEventFilter(this);
    ConnectGraphReading();

    BuildMenu();

    resize(kStartSize);
    CenterOnScreen(this);
}

void TmrPlotForm::BuildMenu()
{
    QMenuBar *mrMenu = menuBar();
    mrMenu->setObjectName(QStringLiteral("mrMenu"));

    menuFile = mrMenu->addMenu(QStringLiteral("&File"));
    menuNew = Command(menuFile, "menuNew", QStringLiteral("&New"));
    menuOpenSetup = LaterCommand(menuFile, "menuOpenSetup", QStringLiteral("&Open Set-up..."));
    menuSaveSetup = Command(menuFile, "menuSaveSetup", QStringLiteral("Sa&ve Set-up..."));
    menuDataSetup = Command(menuFile, "menuDataSetup", QStringLiteral("&Data Setup"));
    menuDataSetup->setEnabled(false); // until the dialog is set
    menuFile->addSeparator();
    menuSaveData = LaterCommand(menuFile, "menuSaveData", QStringLiteral("&Save Data"));
    menuSaveGraph = LaterCommand(menuFile, "menuSaveGraph", QStringLiteral("Save &Graph"));
    menuExportCurves = Command(menuFile, "menuExportCurves", QStringLiteral("&Export Curves..."));
    menuFile->addSeparator();
    menuPrinterSetup = LaterCommand(menuFile, "menuPrinterSetup", QStringLiteral("P&rinter Setup"));
    menuPrintData = LaterCommand(menuFile, "menuPrintData", QStringLiteral("&Print Data"));
    menuPrintGraph = LaterCommand(menuFile, "menuPrintGraph", QStringLiteral("Print Grap&h"));
    menuFile->addSeparator();
    menuExit = Command(menuFile, "menuExit", QStringLiteral("E&xit"));

    menuEdit = mrMenu->addMenu(QStringLiteral("&Edit"));
    menuPlotRange = LaterCommand(menuEdit, "menuPlotRange", QStringLiteral("&Plot Range"));
    menuLegends = LaterCommand(menuEdit, "menuLegends", QStringLiteral("&Legends"));
    menuLegendPosition = menuEdit->addMenu(QStringLiteral("Legend P&osition"));
    menuLegendPosition->setObjectName(QStringLiteral("menuLegendPosition"));
    menuLegendTop = Command(menuLegendPosition, "menuLegendTop", QStringLiteral("&Top"));
    menuLegendBottom = Command(menuLegendPosition, "menuLegendBottom", QStringLiteral("&Bottom"));
    menuLegendNorthEast = Command(menuLegendPosition, "menuLegendNorthEast", QStringLiteral("&North east"));
    menuLegendSouthWest = Command(menuLegendPosition, "menuLegendSouthWest", QStringLiteral("&South west"));
    menuNoLegends = Command(menuLegendPosition, "menuNoLegends", QStringLiteral("No &Legends"));
    auto *positions = new QActionGroup(menuLegendPosition);
    for (QAction *position : menuLegendPosition->actions()) {
        position->setCheckable(true);
        positions->addAction(position);
    }
    menuLegendNorthEast->setChecked(true);
    menuEdit->addSeparator();
    menuShowTitle = Command(menuEdit, "menuShowTitle", QStringLiteral("Show &Title"));
    menuShowTitle->setCheckable(true);
    menuTitleText = Command(menuEdit, "menuTitleText", QStringLiteral("Title Te&xt"));

    menuView = mrMenu->addMenu(QStringLiteral("&View"));
    menuAtomicData = LaterCommand(menuView, "menuAtomicData", QStringLiteral("&Atomic Data"));
    menuCoefficientData = LaterCommand(menuView, "menuCoefficientData", QStringLiteral("&Coefficient Data"));
    menuValueAtEnergy = Command(menuView, "menuValueAtEnergy", QStringLiteral("&Value at Energy..."));

    menuTools = mrMenu->addMenu(QStringLiteral("&Tools"));
    menuShielding = LaterCommand(menuTools, "menuShielding", QStringLiteral("&Shielding..."));
    menuXrayBeam = LaterCommand(menuTools, "menuXrayBeam", QStringLiteral("&X-ray Beam..."));

    menuHelpMenu = mrMenu->addMenu(QStringLiteral("&Help"));
    menuHelp = Command(menuHelpMenu, "menuHelp", QStringLiteral("&Help"));
    menuAbout = Command(menuHelpMenu, "menuAbout", QStringLiteral("&About"));

    connect(menuNew, &QAction::triggered, this, &TmrPlotForm::menuNewClick);
    connect(menuExit, &QAction::triggered, this, &QWidget::close);
    connect(menuHelp, &QAction::triggered, this, &TmrPlotForm::menuHelpClick);
    ConnectPlotShapeAndViewCommands();
    ConnectKeepingCommands();
}

void TmrPlotForm::ConnectDialogs(const TMainWindowDialogs &dialogs)
{
    connect(menuAbout, &QAction::triggered, this, [this, &splash = dialogs.splash] { menuAboutClick(splash); });
    menuDataSetup->setEnabled(true);
    connect(menuDataSetup, &QAction::triggered, this,
            [this, &dialog = dialogs.dataSetup] { menuDataSetupClick(dialog); });

    TOutputCommands *commands = &dialogs.output;
    for (QAction *command : {menuSaveData, menuSaveGraph, menuPrinterSetup, menuPrintData, menuPrintGraph})
        command->setEnabled(true);
    connect(menuSaveData, &QAction::triggered, commands, &TOutputCommands::menuSaveDataClick);
    connect(menuSaveGraph, &QAction::triggered, commands, &TOutputCommands::SaveGraph1Click);
    connect(menuPrinterSetup, &QAction::triggered, commands, &TOutputCommands::menuPrinterSetupClick);
    connect(menuPrintData, &QAction::triggered, commands, &TOutputCommands::menuPrintDataClick);
    connect(menuPrintGraph, &QAction::triggered, commands, &TOutputCommands::menuPrintGraphClick);

    ConnectPlotShapeAndViewDialogs(dialogs);
    library_ = dialogs.library;
    menuOpenSetup->setEnabled(library_ != nullptr);
}

void TmrPlotForm::ConnectToolWindows(TShieldingForm &shielding, TXrayBeamForm &beam)
{
    menuShielding->setEnabled(true);
    menuXrayBeam->setEnabled(true);
    connect(menuShielding, &QAction::triggered, &shielding, &TShieldingForm::ShowWindow);
    connect(menuXrayBeam, &QAction::triggered, &beam, &TXrayBeamForm::ShowWindow);
}

bool TmrPlotForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == centralWidget() && event->type() == QEvent::Resize)
        PlaceGraphPanel();
    return QMainWindow::eventFilter(watched, event);
}

void TmrPlotForm::PlaceGraphPanel()
{
    const QSize client = centralWidget()->size();
    graphPanel_->setGeometry(10, 20, client.width() - 20, client.height() - 28);
}

void TmrPlotForm::PlotData()
{
    ::PlotData(*mrGraph_, dataSets_, plotRange_);
    RepaintGraph();
}

void TmrPlotForm::RepaintGraph()
{
    try {
        mrGraph_->Paint();
    } catch (const std::exception &e) {
        UserPrompt::Error(this, QString::fromUtf8(e.what()));
    }
    // A read-out on show follows the new curves and scales.
    if (const std::optional<QPoint> at = mrGraph_->Overlay().Pointer)
        ShowReadout(at);
}

bool TmrPlotForm::CloseQuery()
{
    return !dataSets_.AnyInUse() || UserPrompt::Confirm(this, kDiscardQuestion);
}

void TmrPlotForm::closeEvent(QCloseEvent *event)
{
    if (CloseQuery())
        event->accept();
    else
        event->ignore();
}

void TmrPlotForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    RepaintGraph();
}

void TmrPlotForm::menuNewClick()
{
    if (!CloseQuery())
        return;
    dataSets_.Reset();
    PlotData();
    mrGraph_->GraphTitle().SetCaption(QString());
    RepaintGraph();
}

void TmrPlotForm::menuDataSetupClick(TMRDataDlg &dialog)
{
    // An OK that leaves every data set empty keeps the curves of before on
    // screen until the next plot.
    if (dialog.Execute(dataSets_))
        PlotData();
    RepaintGraph();
}

void TmrPlotForm::menuHelpClick()
{
    Help::ShowTopic(this, QString::fromLatin1(Help::kTopicMain));
}

void TmrPlotForm::menuAboutClick(TSplashForm &splash)
{
    splash.SetMessage(QString());
    splash.Execute();
}
